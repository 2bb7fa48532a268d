#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTextStream>

// `lay-out SUPPLIED FOLDER`: lays out a program folder from a supplied one
// as the installed program lays out the user's at every start, the desktop's
// language for a folder without settings included. tools/layout.sh, and so
// ./run.sh, lay theirs out with it, so that both ways share one code. Not a
// command of the schedule: the folder need not be a program folder yet.
class LayOutCommand {
  public:
    // `currentFolder` is the base of relative paths; `environment` names the
    // desktop's locale.
    LayOutCommand(QString currentFolder, QProcessEnvironment environment, QTextStream& err);

    // `arguments` as the process got them, the program's name first.
    static bool wanted(const QStringList& arguments);
    int run(const QStringList& arguments) const;

  private:
    QString currentFolder_;
    QProcessEnvironment environment_;
    QTextStream& err_;
};
