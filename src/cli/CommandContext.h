#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTextStream>

class ReloadNotifier;

namespace command {
enum Status { Done = 0, Refused = 1, UsageError = 2 };
}

// What each command of the command line works on and answers through.
struct CommandContext {
    QString currentFolder;  // the base of relative paths
    QString programFolder;
    QDateTime now;
    QTextStream& out;
    QTextStream& err;
    ReloadNotifier& notifier;

    // The problem on standard error; Refused.
    int refuse(const QString& problem) const;
    // The problem and where to find the usage; UsageError.
    int usage(const QString& problem) const;
    // Each line on standard error, the program's name before it.
    void report(const QStringList& problems) const;
};
