#include "settings/FolderLayout.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "settings/ProgramFolder.h"

FolderLayout::FolderLayout(QString supplied, QString target)
    : supplied_(std::move(supplied)), target_(std::move(target)) {}

QList<FolderLayout::FolderProblems> FolderLayout::byFolder(const QList<Problem>& problems) {
    QList<FolderProblems> folders;
    for (const Problem& problem : problems) {
        const bool folderItself = problem.reason.isEmpty();
        const QString folder = folderItself ? problem.path : QFileInfo(problem.path).absolutePath();
        auto it = std::find_if(folders.begin(), folders.end(),
                               [&](const FolderProblems& seen) { return seen.folder == folder; });
        if (it == folders.end()) {
            it = folders.insert(folders.end(), FolderProblems{folder, false, 0, {}});
        }
        if (folderItself) {
            it->notMade = true;
            continue;
        }
        ++it->files;
        if (!it->reasons.contains(problem.reason)) {
            it->reasons << problem.reason;
        }
    }
    return folders;
}

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
