#include "app/ProgramFolderEntry.h"

#include <QDir>

#include "desktop/Installation.h"
#include "platform/Platform.h"
#include "texts/ProgramTexts.h"

ProgramFolderEntry::ProgramFolderEntry(Platform& platform, const Installation& installation)
    : platform_(platform), installation_(installation) {
    // Before any message can show: a message box waits in a loop of its own,
    // and a log-out must not wait for someone to click it away.
    platform_.setEndRequestHandler([this] { endRequested_ = true; });
}

ProgramFolderEntry::~ProgramFolderEntry() {
    platform_.setEndRequestHandler({});
}

QString ProgramFolderEntry::enter() {
    const QString folder = installation_.clockFolder(QDir::currentPath());
    QStringList lines;
    for (const FolderLayout::FolderProblems& problem :
         FolderLayout::byFolder(installation_.layOutUserFolder())) {
        QStringList parts;
        if (problem.notMade) {
            parts << programtexts::folderNotMade(problem.folder);
        }
        if (problem.files > 0) {
            parts << programtexts::filesNotCopied(problem.folder, problem.files, problem.reasons);
        }
        lines << parts.join(QStringLiteral("; "));
    }
    if (!lines.isEmpty()) {
        platform_.showError(programtexts::folderLaidOutInPart(folder, lines));
    }
    // The launches' relative paths and the like: a folder that could not be
    // made leaves the current one, but the clock still looks for its files
    // where they belong and says what it misses.
    QDir::setCurrent(folder);
    return folder;
}
