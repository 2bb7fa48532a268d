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
#include "texts/FileTexts.h"

namespace {
const QString kInterrupted = QStringLiteral("interrupted");

// Tries at a name: another file may come back under it between the removal
// and the creation, or a random name be taken already.
constexpr int kAttempts = 16;
// As QTemporaryFile makes them, and as ScratchLeftovers knows them.
constexpr int kRandomLetters = 6;

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

Failure ScratchWriter::failAndRemove() {
    return failAndRemove(file_.errorString());
}

Failure ScratchWriter::failAndRemove(const QString& why) {
    discard();
    return Failure{why};
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
Expected<int> ScratchWriter::create() {
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
            return Failure{systemError(errno)};
        }
        if (naming_ == Naming::Fixed && ::unlink(native.constData()) != 0 && errno != ENOENT) {
            return Failure{systemError(errno)};  // a folder under the name, say
        }
    }
    return Failure{systemError(EEXIST)};
}

Expected<void> ScratchWriter::open() {
    if (!safewrite::mayProceed(safewrite::Step::Create)) {
        return Failure{kInterrupted};
    }
    const Expected<int> fd = create();
    if (!fd) {
        return Failure{fd.error()};
    }
    if (!file_.open(*fd, QIODevice::WriteOnly | QIODevice::Unbuffered,
                    QFileDevice::AutoCloseHandle)) {
        ::close(*fd);
        return failAndRemove();
    }
    return {};
}

Expected<void> ScratchWriter::write(QByteArrayView piece) {
    if (!wrote_) {
        wrote_ = true;
        if (!safewrite::mayProceed(safewrite::Step::Write)) {
            return Failure{kInterrupted};
        }
    }
    // A write the disk takes only part of says nothing of why; the rest,
    // written again, fails with the reason ("No space left on device").
    for (qsizetype done = 0; done < piece.size();) {
        const qint64 wrote = file_.write(piece.data() + done, piece.size() - done);
        if (wrote <= 0) {
            return failAndRemove();
        }
        done += wrote;
    }
    return {};
}

Expected<void> ScratchWriter::copyFrom(QFile& source, qint64 offset, qint64 bytes) {
    if (Expected<void> step = write({}); !step) {  // the seam's Write step, before the first byte
        return step;
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
            return failAndRemove(QStringLiteral("unexpected end of file"));
        }
        if (errno == EINTR) {
            continue;
        }
        // A kernel or file system that cannot copy between these two files.
        if (errno == ENOSYS || errno == EXDEV || errno == EINVAL || errno == EOPNOTSUPP) {
            return copyThroughBuffer(source, from, bytes);
        }
        return failAndRemove(systemError(errno));
    }
    return {};
}

Expected<void> ScratchWriter::copyThroughBuffer(QFile& source, qint64 offset, qint64 bytes) {
    QByteArray piece(qMin<qint64>(bytes, 1 << 20), Qt::Uninitialized);
    while (bytes > 0) {
        const ssize_t got = ::pread(source.handle(), piece.data(),
                                    size_t(qMin<qint64>(bytes, piece.size())), offset);
        if (got <= 0) {
            return failAndRemove(got == 0 ? QStringLiteral("unexpected end of file")
                                          : systemError(errno));
        }
        if (Expected<void> step = write(QByteArrayView(piece.constData(), got)); !step) {
            return step;
        }
        offset += got;
        bytes -= got;
    }
    return {};
}

Expected<void> ScratchWriter::commitOver(const QString& path) {
    if (!safewrite::mayProceed(safewrite::Step::Flush)) {
        return Failure{kInterrupted};
    }
    // The new content takes over the old file's permissions, as a save in
    // place would keep them: a file only its owner may read stays so.
    struct stat old = {};
    if (::stat(QFile::encodeName(path).constData(), &old) == 0 && S_ISREG(old.st_mode)) {
        ::fchmod(file_.handle(), old.st_mode & 07777);
    }
    if (!file_.flush()) {
        return failAndRemove();
    }
    if (::fsync(file_.handle()) != 0) {
        return failAndRemove(systemError(errno));
    }
    // The rename moves whatever is under the scratch name: it must still be
    // the file written here.
    struct stat ours = {};
    struct stat named = {};
    if (::fstat(file_.handle(), &ours) != 0 ||
        ::lstat(QFile::encodeName(scratchPath_).constData(), &named) != 0 ||
        ours.st_dev != named.st_dev || ours.st_ino != named.st_ino) {
        file_.close();
        return Failure{filetexts::scratchReplaced(scratchPath_)};
    }
    file_.close();
    if (!safewrite::mayProceed(safewrite::Step::Rename)) {
        return Failure{kInterrupted};
    }
    // rename(2) replaces the target in one step; QFile::rename refuses an
    // existing target, which would force deleting the old file first.
    if (std::rename(QFile::encodeName(scratchPath_).constData(),
                    QFile::encodeName(path).constData()) != 0) {
        const QString why = systemError(errno);
        QFile::remove(scratchPath_);
        return Failure{why};
    }
    return {};
}
