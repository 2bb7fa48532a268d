#include "settings/FolderLayout.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include "settings/ProgramFolder.h"

FolderLayout::FolderLayout(QString supplied, QString target)
    : supplied_(std::move(supplied)), target_(std::move(target)) {}

QList<FolderLayout::Problem> FolderLayout::copyMissing() const {
    QList<Problem> problems;
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
            problems.append({there.absolutePath(), QString()});
            continue;
        }
        // QFile::copy writes a scratch file and renames it without
        // replacing: a copy cut short is never taken for the file, and one
        // that another start made meanwhile is kept.
        QFile file(source);
        if (!file.copy(target) && !QFileInfo::exists(target)) {
            problems.append({target, file.errorString()});
        }
    }
    return problems;
}
