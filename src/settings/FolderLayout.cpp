#include "settings/FolderLayout.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include "settings/ProgramFolder.h"

FolderLayout::FolderLayout(QString supplied, QString target)
    : supplied_(std::move(supplied)), target_(std::move(target)) {}

QStringList FolderLayout::copyMissing() const {
    QStringList problems;
    const QDir from(supplied_);
    QDirIterator files(supplied_, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString target = ProgramFolder::resolve(target_, from.relativeFilePath(source));
        const QFileInfo there(target);
        if (there.exists() || there.isSymLink()) {
            continue;
        }
        if (!QDir().mkpath(there.absolutePath())) {
            problems << QStringLiteral("%1: the folder cannot be made").arg(there.absolutePath());
            continue;
        }
        // QFile::copy writes a scratch file and renames it without
        // replacing: a copy cut short is never taken for the file, and one
        // that another start made meanwhile is kept.
        QFile file(source);
        if (!file.copy(target) && !QFileInfo::exists(target)) {
            problems << QStringLiteral("%1: %2").arg(target, file.errorString());
        }
    }
    return problems;
}
