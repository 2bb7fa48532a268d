#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include "cli/CommandContext.h"

class ReloadNotifier;

// The command line for the schedule: `remind`, `launch`, `list`, `remove`,
// `export` and `import` on the program folder's schedule files, the same files and the
// same records as the editors and the schedule list. After a change it asks a
// running clock to read the file again; it never takes the single-instance
// marker, so it runs beside a clock or without one, and needs no display.
class ScheduleCommand {
  public:
    // `currentFolder` is the base of a relative path, and the program folder
    // unless `programFolder` or --folder names another.
    ScheduleCommand(QString currentFolder, QDateTime now, QTextStream& out, QTextStream& err,
                    ReloadNotifier& notifier, QString programFolder = QString());

    // `arguments` as the process got them, the program's name first.
    int run(const QStringList& arguments);

    // Whether the arguments ask for the command line rather than the clock:
    // a first argument that is a word, or one of the command line's options.
    // Qt's own options (-platform, -style ...) still go to the clock.
    static bool wanted(const QStringList& arguments);

  private:
    QString helpText() const;

    QString defaultFolder_;  // without --folder
    CommandContext context_;
};
