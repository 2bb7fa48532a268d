#include "clockface/SkinFolderWatch.h"

#include <QFileInfo>
#include <QStorageInfo>

namespace {

// Folders whose changes made on another machine are never notified here.
bool notifiesReliably(const QString& folder) {
    const QByteArray type = QStorageInfo(folder).fileSystemType().toLower();
    for (const char* remote : {"nfs", "cifs", "smb", "fuse", "9p", "afs", "ceph", "gluster"}) {
        if (type.startsWith(remote)) {
            return false;
        }
    }
    return true;
}

}  // namespace

SkinFolderWatch::SkinFolderWatch(std::function<void()> changed) : changed_(std::move(changed)) {
    quiet_.setSingleShot(true);
    quiet_.setInterval(kQuietMs);
    QObject::connect(&quiet_, &QTimer::timeout, &quiet_, [this] {
        addMissingFiles();
        changed_();
    });
    QObject::connect(&watcher_, &QFileSystemWatcher::fileChanged, &quiet_, [this] { noticed(); });
    QObject::connect(&watcher_, &QFileSystemWatcher::directoryChanged, &quiet_,
                     [this] { noticed(); });
}

void SkinFolderWatch::noticed() {
    quiet_.start();  // restarted by every further notice of the same save
}

void SkinFolderWatch::addMissingFiles() {
    const QStringList watched = watcher_.files();
    for (const QString& file : files_) {
        // A file replaced by a rename loses its watch; its folder saw the new one.
        if (!watched.contains(file) && QFileInfo::exists(file)) {
            watcher_.addPath(file);
        }
    }
}

void SkinFolderWatch::watch(const QStringList& files) {
    if (files == files_) {
        if (holds_) {
            addMissingFiles();
        }
        return;
    }
    if (!watcher_.files().isEmpty()) {
        watcher_.removePaths(watcher_.files());
    }
    if (!watcher_.directories().isEmpty()) {
        watcher_.removePaths(watcher_.directories());
    }
    files_ = files;
    holds_ = !files.isEmpty();
    for (const QString& file : files) {
        const QString folder = QFileInfo(file).absolutePath();
        if (!watcher_.directories().contains(folder) &&
            (!notifiesReliably(folder) || !watcher_.addPath(folder))) {
            holds_ = false;
        }
    }
    addMissingFiles();
}
