#pragma once

#include <QString>

#include "settings/FolderLayout.h"

// Where the running executable was put, and so which program folder it runs
// in. The package puts it in <prefix>/bin with the supplied program folder in
// <prefix>/share/chronidex, which no user may write: each user's own is
// $XDG_DATA_HOME/chronidex (~/.local/share/chronidex), laid out from the
// supplied one at every start. ./run.sh puts it inside its program folder,
// and the build has no share folder beside it: neither counts as installed,
// and both run in the current folder as they always have.
class Installation {
  public:
    explicit Installation(const QString& executable);

    bool installed() const { return !supplied_.isEmpty(); }
    // Empty when not installed.
    const QString& suppliedFolder() const { return supplied_; }
    static QString userFolder();

    // The clock's program folder: installed, the user's whatever the current
    // folder, so that the menu, the autostart entry and a terminal all reach
    // the same one.
    QString clockFolder(const QString& currentFolder) const;
    // The command line's when --folder names none: the current folder when
    // it is a program folder (it has a system folder), as the ./run.sh way
    // has it; installed, the user's otherwise.
    QString commandFolder(const QString& currentFolder) const;
    // What the restart and the autostart entry start in `programFolder`:
    // installed, this executable, never a copy an earlier ./run.sh left in
    // the user's folder; otherwise the folder's own chronidex, which ./run.sh
    // refreshes, and this executable where the folder has none.
    QString executableFor(const QString& programFolder) const;

    // Copies into the user's folder what it lacks of the supplied one; a
    // folder without settings yet starts in the desktop's language.
    // Nothing to do when not installed.
    QList<FolderLayout::Problem> layOutUserFolder() const;

    static bool isProgramFolder(const QString& folder);

  private:
    QString executable_;
    QString supplied_;
};
