#include "cli/ImportSource.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

QString systemError() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

}  // namespace

ImportSource ImportSource::read(const QString& path, qint64 limit) {
    ImportSource source;
    const Descriptor file(
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat status {};
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0) {
        source.outcome = Outcome::CannotRead;
        source.error = systemError();
        return source;
    }
    if (S_ISDIR(status.st_mode)) {
        source.outcome = Outcome::Folder;
        return source;
    }
    if (!S_ISREG(status.st_mode) && !S_ISFIFO(status.st_mode)) {
        source.outcome = Outcome::Device;
        return source;
    }
    // From here on a read waits for a pipe's writer, as reading a pipe does.
    const int flags = ::fcntl(file.get(), F_GETFL);
    if (flags < 0 || ::fcntl(file.get(), F_SETFL, flags & ~O_NONBLOCK) != 0) {
        source.outcome = Outcome::CannotRead;
        source.error = systemError();
        return source;
    }
    // One byte past the limit tells a file that is too large.
    const qint64 most = limit + 1;
    QByteArray& bytes = source.bytes;
    qint64 size = 0;
    for (;;) {
        if (size == bytes.size()) {
            bytes.resize(std::min<qint64>(most, std::max<qint64>(size * 2, 1 << 16)));
        }
        if (size == most) {
            break;
        }
        const ssize_t got = ::read(file.get(), bytes.data() + size, size_t(bytes.size() - size));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            source.outcome = Outcome::CannotRead;
            source.error = systemError();
            bytes.clear();
            return source;
        }
        if (got == 0) {
            break;
        }
        size += got;
    }
    bytes.truncate(size);
    if (size > limit) {
        source.outcome = Outcome::TooLarge;
        bytes.clear();
    }
    return source;
}
