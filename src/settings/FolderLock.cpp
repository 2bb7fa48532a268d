#include "settings/FolderLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <cerrno>

FolderLock::FolderLock(const QString& folder, int waitMs) {
    fd_ = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    // No folder yet, or one that cannot be opened: nothing to keep apart
    // here, and the write itself tells what is wrong.
    if (fd_ < 0) {
        held_ = true;
        return;
    }
    // Rewrites take milliseconds: a short sleep between tries, and only
    // while another writer is at work.
    QElapsedTimer waited;
    waited.start();
    while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            held_ = true;  // a file system without locks: written as ever
            return;
        }
        if (waited.elapsed() >= waitMs) {
            return;
        }
        QThread::msleep(5);
    }
    held_ = true;
}

FolderLock::~FolderLock() {
    if (fd_ >= 0) {
        ::close(fd_);  // releases the lock
    }
}
