#pragma once

#include <QString>
#include <QStringList>

// A program folder laid out from a supplied one the way ./run.sh lays it
// out: every supplied file the folder lacks is copied in, its sub-folders
// made as needed, and nothing already there is written over, so the user's
// settings, schedules and holidays outlive every start and every upgrade.
// A file counts as there under another case too ("Skins/" for "skins/"),
// since the program finds it there.
class FolderLayout {
  public:
    FolderLayout(QString supplied, QString target);

    // Copies what is missing. The problems, one "path: reason" each; a file
    // that could not be copied is left out and the others are still copied.
    QStringList copyMissing() const;

  private:
    QString supplied_;
    QString target_;
};
