#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

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

    // `languageBootstrap`, when not empty, is the language bootstrap file a
    // folder laid out anew gets: one without settings yet, so that its first
    // start picks that language and no later layout touches the user's choice.
    FolderLayout(QString supplied, QString target, QByteArray languageBootstrap = QByteArray());

    // Lays the folder out. A file that could not be copied is left out and
    // the others are still copied.
    QList<Problem> layOut() const;

  private:
    QList<Problem> copyMissing() const;
    // Before the supplied settings go in, which would make the folder look
    // settled; a bootstrap already there is the installer's or the user's.
    std::optional<Problem> writeLanguageBootstrap() const;

    QString supplied_;
    QString target_;
    QByteArray languageBootstrap_;
};
