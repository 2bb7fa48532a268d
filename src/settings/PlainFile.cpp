#include "settings/PlainFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "texts/FileTexts.h"

namespace plainfile {

namespace {

// As far as the kernel itself follows links before it gives up.
constexpr int kMaxLinks = 40;

QString kindRefusal(mode_t mode) {
    return S_ISDIR(mode) ? filetexts::isFolder() : filetexts::notRegularFile();
}

QString systemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

}  // namespace

QString refusal(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() || info.isFile()) {
        return QString();
    }
    if (info.isDir()) {
        return filetexts::isFolder();
    }
    return filetexts::notRegularFile();
}

QString linkEnd(const QString& path) {
    // readlink(2) on the names as given: the kernel's own reading of "..",
    // which a cleaned-up path would change when a folder on the way is a link.
    QByteArray current = QFile::encodeName(QDir::current().absoluteFilePath(path));
    for (int hop = 0; hop < kMaxLinks; ++hop) {
        char target[PATH_MAX];
        const ssize_t n = ::readlink(current.constData(), target, sizeof target);
        if (n < 0 || n == ssize_t(sizeof target)) {
            break;  // no link (or nothing at all) under the name
        }
        const QByteArray next(target, n);
        current = next.startsWith('/') ? next : current.left(current.lastIndexOf('/') + 1) + next;
    }
    return QFile::decodeName(current);
}

Expected<int> openRegular(const QString& path, int flags) {
    const QByteArray name = QFile::encodeName(path);
    // Named first for what it is, which an open could not tell (a pipe
    // without its other end, a folder opened for writing).
    struct stat before = {};
    if (::lstat(name.constData(), &before) == 0 && !S_ISREG(before.st_mode) &&
        !S_ISLNK(before.st_mode)) {
        return Failure{kindRefusal(before.st_mode)};
    }
    // Non-blocking, so that something put under the name meanwhile cannot
    // hold the open; checked again on what was opened.
    const int fd =
        ::open(name.constData(), flags | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd < 0) {
        return Failure{systemError(errno)};
    }
    struct stat opened = {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        const int error = errno;
        ::close(fd);
        return Failure{S_ISREG(opened.st_mode) ? systemError(error) : kindRefusal(opened.st_mode)};
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

bool writesInto(const QString& path, const QString& folder) {
    struct stat inside = {};
    if (::stat(QFile::encodeName(folder).constData(), &inside) != 0) {
        return false;
    }
    const QByteArray end = QFile::encodeName(linkEnd(path));
    const qsizetype slash = end.lastIndexOf('/');
    const QByteArray parent = slash <= 0 ? QByteArray("/") : end.left(slash);
    char real[PATH_MAX];
    if (::realpath(parent.constData(), real) == nullptr) {
        return false;  // no such folder: nothing can be written there
    }
    // The real folder and every folder above it, by device and inode: a
    // second mount of the folder is the folder too.
    QByteArray at(real);
    for (;;) {
        struct stat st = {};
        if (::stat(at.constData(), &st) == 0 && st.st_dev == inside.st_dev &&
            st.st_ino == inside.st_ino) {
            return true;
        }
        if (at == "/") {
            return false;
        }
        const qsizetype up = at.lastIndexOf('/');
        at = up <= 0 ? QByteArray("/") : at.left(up);
    }
}

}  // namespace plainfile
