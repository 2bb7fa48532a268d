#include "settings/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

ProgramFolder::ProgramFolder(QString root) : root_(std::move(root)) {}

QString ProgramFolder::path(const QString& relative) const {
    return resolve(root_, relative);
}

QString ProgramFolder::resolve(const QString& root, const QString& relative) {
    QString current = root;
    QString rel = relative;
    rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList parts = rel.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    bool lost = false;  // once a part is missing, nothing below it can exist
    for (const QString& part : parts) {
        const QString exact = current + QLatin1Char('/') + part;
        if (!lost && !QFileInfo::exists(exact)) {
            const QStringList entries =
                QDir(current).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
            QString match;
            for (const QString& entry : entries) {
                if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                    match = entry;
                    break;
                }
            }
            if (match.isEmpty()) {
                lost = true;
            } else {
                current += QLatin1Char('/') + match;
                continue;
            }
        }
        current = exact;
    }
    return current;
}
