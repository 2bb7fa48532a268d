#include "app/ProgramFolderEntry.h"

#include <QDir>

#include "desktop/Installation.h"
#include "platform/Platform.h"

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
            parts << QStringLiteral("папка «%1» не создаётся").arg(problem.folder);
        }
        if (problem.files > 0) {
            parts << QStringLiteral("«%1»: не скопировано файлов: %2 (%3)")
                         .arg(problem.folder)
                         .arg(problem.files)
                         .arg(problem.reasons.join(QStringLiteral("; ")));
        }
        lines << parts.join(QStringLiteral("; "));
    }
    if (!lines.isEmpty()) {
        platform_.showError(QStringLiteral("Папка программы «%1» разложена не полностью:\n%2")
                                .arg(folder, lines.join(QLatin1Char('\n'))));
    }
    // The launches' relative paths and the like: a folder that could not be
    // made leaves the current one, but the clock still looks for its files
    // where they belong and says what it misses.
    QDir::setCurrent(folder);
    return folder;
}
