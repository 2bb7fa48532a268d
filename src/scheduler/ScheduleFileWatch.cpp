#include "scheduler/ScheduleFileWatch.h"

#include <sys/stat.h>
#include <QFile>
#include <QFileInfo>

#include "settings/ProgramFolder.h"

ScheduleFileWatch::ScheduleFileWatch(const ProgramFolder& folder,
                                     std::function<void(ScheduleKind)> changed)
    : changed_(std::move(changed)),
      files_{Watched{ScheduleKind::Reminders,
                     folder.path(schedule::fileName(ScheduleKind::Reminders)),
                     {},
                     0},
             Watched{ScheduleKind::Launches,
                     folder.path(schedule::fileName(ScheduleKind::Launches)),
                     {},
                     0}} {
    holds_ = watcher_.addPath(QFileInfo(files_[0].path).absolutePath());
    if (!holds_) {
        return;
    }
    for (Watched& file : files_) {
        file.stamp = watchFile(file);
    }
    QObject::connect(&watcher_, &QFileSystemWatcher::directoryChanged, &watcher_,
                     [this] { noticed(); });
    QObject::connect(&watcher_, &QFileSystemWatcher::fileChanged, &watcher_, [this] { noticed(); });
}

ScheduleFileWatch::Stamp ScheduleFileWatch::stampOf(const QString& path) {
    Stamp stamp;
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
        return stamp;
    }
    stamp.exists = true;
    stamp.device = quint64(status.st_dev);
    stamp.inode = quint64(status.st_ino);
    stamp.size = qint64(status.st_size);
    stamp.modifiedNs = qint64(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec;
    stamp.changedNs = qint64(status.st_ctim.tv_sec) * 1000000000 + status.st_ctim.tv_nsec;
    return stamp;
}

// A file that appeared, or was replaced by a rename, is watched anew: the
// watch of the old one went with it. The look after the watch is set sees
// what a write between the two did, and any later write is told.
ScheduleFileWatch::Stamp ScheduleFileWatch::watchFile(Watched& file) {
    Stamp now = stampOf(file.path);
    if (!now.exists || (now.inode == file.inode && watcher_.files().contains(file.path))) {
        return now;
    }
    if (watcher_.files().contains(file.path)) {
        watcher_.removePath(file.path);
    }
    file.inode = watcher_.addPath(file.path) ? now.inode : 0;
    return stampOf(file.path);
}

void ScheduleFileWatch::noticed() {
    for (Watched& file : files_) {
        const Stamp now = watchFile(file);
        if (!(now == file.stamp)) {
            file.stamp = now;
            changed_(file.kind);
        }
    }
}
