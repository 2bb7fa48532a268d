#pragma once

#include <QList>
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
    // What could not be laid out, for the caller to word: the clock in its
    // boxes, the command line on standard error.
    struct Problem {
        QString path;    // the file not copied, or the folder not made
        QString reason;  // the system's word for a file; empty for a folder
    };

    // The problems gathered by folder, in the order first met, so that a box
    // or a terminal tells one line a folder and not one a file (a folder
    // that cannot be made fails every file that belongs in it).
    struct FolderProblems {
        QString folder;
        bool notMade = false;  // the folder itself could not be made
        int files = 0;         // files of it that could not be copied
        QStringList reasons;   // the system's words for those, each once
    };
    static QList<FolderProblems> byFolder(const QList<Problem>& problems);

    FolderLayout(QString supplied, QString target);

    // Copies what is missing. A file that could not be copied is left out
    // and the others are still copied.
    QList<Problem> copyMissing() const;

  private:
    QString supplied_;
    QString target_;
};
