#pragma once

#include <QFileSystemWatcher>
#include <QString>
#include <array>
#include <functional>

#include "scheduler/ScheduleKind.h"

class ProgramFolder;

// Tells the running clock that a schedule file has changed on disk, whoever
// changed it: an editor, the command line of another session (another
// runtime folder: cron, ssh, sudo -u) or another program. From the system's
// file notifications, without polling: the folder is watched for files that
// are created, deleted or replaced by a rename, and each file for writes in
// place (an append). A kind is told only when its file is no longer what it
// was (another file, another size or time of change), so the writes to the
// folder's other files leave its schedule alone.
class ScheduleFileWatch {
  public:
    ScheduleFileWatch(const ProgramFolder& folder, std::function<void(ScheduleKind)> changed);

    // False when the system gives no notifications for the folder; then
    // only the writers that tell the clock themselves are heard.
    bool holds() const { return holds_; }

  private:
    struct Stamp {
        bool exists = false;
        quint64 device = 0;
        quint64 inode = 0;
        qint64 size = -1;
        qint64 modifiedNs = 0;
        qint64 changedNs = 0;
        bool operator==(const Stamp&) const = default;
    };
    struct Watched {
        ScheduleKind kind;
        QString path;
        Stamp stamp;        // as last told
        quint64 inode = 0;  // of the file the watch is on; 0: none
    };

    static Stamp stampOf(const QString& path);
    void noticed();
    Stamp watchFile(Watched& file);

    std::function<void(ScheduleKind)> changed_;
    QFileSystemWatcher watcher_;
    std::array<Watched, 2> files_;
    bool holds_ = false;
};
