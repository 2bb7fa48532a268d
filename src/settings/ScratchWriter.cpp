#include "settings/ScratchWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QByteArray>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "settings/SafeWrite.h"

namespace {
const QString kInterrupted = QStringLiteral("interrupted");

// Tries at a name: another file may come back under it between the removal
// and the creation, or a random name be taken already.
constexpr int kAttempts = 16;
// As QTemporaryFile makes them, and as ScratchLeftovers knows them.
constexpr int kRandomLetters = 6;

bool fail(QString* error, const QString& text) {
    if (error) {
        *error = text;
    }
    return false;
}

QString systemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

QString randomLetters() {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    QString letters;
    for (int i = 0; i < kRandomLetters; ++i) {
        letters += QLatin1Char(kLetters[QRandomGenerator::global()->bounded(52)]);
    }
    return letters;
}
}  // namespace

ScratchWriter::ScratchWriter(const QString& path, Naming naming) : path_(path), naming_(naming) {}

bool ScratchWriter::failAndRemove(QString* error) {
    const QString why = file_.errorString();
    discard();
    return fail(error, why);
}

void ScratchWriter::discard() {
    file_.close();
    if (!scratchPath_.isEmpty()) {
        QFile::remove(scratchPath_);
    }
}

// A new file, never one that was there: O_EXCL fails on any name that is
// taken, a link included, and O_NOFOLLOW keeps it from ever opening a link's
// target. A fixed name that is taken is removed by its name (unlink(2) takes
// a link itself away, never what it points to) and made again.
int ScratchWriter::create(QString* error) {
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const QString name =
            naming_ == Naming::Fixed ? path_ : path_ + QLatin1Char('.') + randomLetters();
        const QByteArray native = QFile::encodeName(name);
        const int fd =
            ::open(native.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0) {
            scratchPath_ = name;
            return fd;
        }
        if (errno != EEXIST) {
            fail(error, systemError(errno));
            return -1;
        }
        if (naming_ == Naming::Fixed && ::unlink(native.constData()) != 0 && errno != ENOENT) {
            fail(error, systemError(errno));  // a folder under the name, say
            return -1;
        }
    }
    fail(error, systemError(EEXIST));
    return -1;
}

bool ScratchWriter::open(QString* error) {
    if (!safewrite::mayProceed(safewrite::Step::Create)) {
        return fail(error, kInterrupted);
    }
    const int fd = create(error);
    if (fd < 0) {
        return false;
    }
    if (!file_.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered,
                    QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return failAndRemove(error);
    }
    return true;
}

bool ScratchWriter::write(QByteArrayView piece, QString* error) {
    if (!wrote_) {
        wrote_ = true;
        if (!safewrite::mayProceed(safewrite::Step::Write)) {
            return fail(error, kInterrupted);
        }
    }
    // A write the disk takes only part of says nothing of why; the rest,
    // written again, fails with the reason ("No space left on device").
    for (qsizetype done = 0; done < piece.size();) {
        const qint64 wrote = file_.write(piece.data() + done, piece.size() - done);
        if (wrote <= 0) {
            return failAndRemove(error);
        }
        done += wrote;
    }
    return true;
}

bool ScratchWriter::copyFrom(QFile& source, qint64 offset, qint64 bytes, QString* error) {
    if (!write({}, error)) {  // the seam's Write step, before the first byte
        return false;
    }
    const int in = source.handle();
    const int out = file_.handle();
    loff_t from = offset;
    while (bytes > 0) {
        const ssize_t done = ::copy_file_range(in, &from, out, nullptr, size_t(bytes), 0);
        if (done > 0) {
            bytes -= done;
            continue;
        }
        if (done == 0) {
            discard();
            return fail(error, QStringLiteral("unexpected end of file"));
        }
        if (errno == EINTR) {
            continue;
        }
        // A kernel or file system that cannot copy between these two files.
        if (errno == ENOSYS || errno == EXDEV || errno == EINVAL || errno == EOPNOTSUPP) {
            return copyThroughBuffer(source, from, bytes, error);
        }
        const QString why = QString::fromLocal8Bit(std::strerror(errno));
        discard();
        return fail(error, why);
    }
    return true;
}

bool ScratchWriter::copyThroughBuffer(QFile& source, qint64 offset, qint64 bytes, QString* error) {
    QByteArray piece(qMin<qint64>(bytes, 1 << 20), Qt::Uninitialized);
    while (bytes > 0) {
        const ssize_t got = ::pread(source.handle(), piece.data(),
                                    size_t(qMin<qint64>(bytes, piece.size())), offset);
        if (got <= 0) {
            const QString why = got == 0 ? QStringLiteral("unexpected end of file")
                                         : QString::fromLocal8Bit(std::strerror(errno));
            discard();
            return fail(error, why);
        }
        if (!write(QByteArrayView(piece.constData(), got), error)) {
            return false;
        }
        offset += got;
        bytes -= got;
    }
    return true;
}

bool ScratchWriter::commitOver(const QString& path, QString* error) {
    if (!safewrite::mayProceed(safewrite::Step::Flush)) {
        return fail(error, kInterrupted);
    }
    // The new content takes over the old file's permissions, as a save in
    // place would keep them: a file only its owner may read stays so.
    struct stat old = {};
    if (::stat(QFile::encodeName(path).constData(), &old) == 0 && S_ISREG(old.st_mode)) {
        ::fchmod(file_.handle(), old.st_mode & 07777);
    }
    if (!file_.flush()) {
        return failAndRemove(error);
    }
    if (::fsync(file_.handle()) != 0) {
        const QString why = systemError(errno);
        discard();
        return fail(error, why);
    }
    // The rename moves whatever is under the scratch name: it must still be
    // the file written here.
    struct stat ours = {};
    struct stat named = {};
    if (::fstat(file_.handle(), &ours) != 0 ||
        ::lstat(QFile::encodeName(scratchPath_).constData(), &named) != 0 ||
        ours.st_dev != named.st_dev || ours.st_ino != named.st_ino) {
        file_.close();
        return fail(error, QStringLiteral("временный файл «%1» подменён").arg(scratchPath_));
    }
    file_.close();
    if (!safewrite::mayProceed(safewrite::Step::Rename)) {
        return fail(error, kInterrupted);
    }
    // rename(2) replaces the target in one step; QFile::rename refuses an
    // existing target, which would force deleting the old file first.
    if (std::rename(QFile::encodeName(scratchPath_).constData(),
                    QFile::encodeName(path).constData()) != 0) {
        const QString why = systemError(errno);
        QFile::remove(scratchPath_);
        return fail(error, why);
    }
    return true;
}
