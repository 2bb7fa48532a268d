#include "settings/FolderLayout.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "settings/FormatNames.h"
#include "settings/ProgramFolder.h"

namespace {
bool present(const QString& path) {
    const QFileInfo there(path);
    return there.exists() || there.isSymLink();
}
}  // namespace

FolderLayout::FolderLayout(QString supplied, QString target, QByteArray languageBootstrap)
    : supplied_(std::move(supplied)),
      target_(std::move(target)),
      languageBootstrap_(std::move(languageBootstrap)) {}

QList<FolderLayout::Problem> FolderLayout::layOut() const {
    QList<Problem> problems;
    if (const std::optional<Problem> problem = writeLanguageBootstrap()) {
        problems.append(*problem);
    }
    return problems + copyMissing();
}

std::optional<FolderLayout::Problem> FolderLayout::writeLanguageBootstrap() const {
    if (languageBootstrap_.isEmpty() ||
        present(ProgramFolder::resolve(target_, formatnames::settingsFile()))) {
        return std::nullopt;
    }
    const QString path = ProgramFolder::resolve(target_, formatnames::languageBootstrapFile());
    if (present(path)) {
        return std::nullopt;
    }
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        return Problem{folder, QString()};
    }
    // A few bytes written once, not through a scratch file: cut short, the
    // file names no code or no known one, and the supplied choice stands.
    // NewOnly keeps one that another layout wrote meanwhile.
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        return QFileInfo::exists(path) ? std::nullopt
                                       : std::optional<Problem>(Problem{path, file.errorString()});
    }
    if (file.write(languageBootstrap_) != languageBootstrap_.size() || !file.flush()) {
        const Problem problem{path, file.errorString()};
        file.remove();
        return problem;
    }
    return std::nullopt;
}

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
        if (present(target)) {
            continue;
        }
        const QFileInfo there(target);
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
