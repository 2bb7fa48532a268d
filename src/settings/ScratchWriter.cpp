#include "settings/ScratchWriter.h"

#include <unistd.h>
#include <QByteArray>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "settings/SafeWrite.h"

namespace {
const QString kInterrupted = QStringLiteral("interrupted");

bool fail(QString* error, const QString& text) {
    if (error) {
        *error = text;
    }
    return false;
}
}  // namespace

ScratchWriter::ScratchWriter(const QString& scratchPath)
    : scratchPath_(scratchPath), file_(scratchPath) {}

bool ScratchWriter::failAndRemove(QString* error) {
    const QString why = file_.errorString();
    discard();
    return fail(error, why);
}

void ScratchWriter::discard() {
    file_.close();
    QFile::remove(scratchPath_);
}

bool ScratchWriter::open(QString* error) {
    if (!safewrite::mayProceed(safewrite::Step::Create)) {
        return fail(error, kInterrupted);
    }
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)) {
        return fail(error, file_.errorString());
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
    if (!file_.flush() || ::fsync(file_.handle()) != 0) {
        return failAndRemove(error);
    }
    file_.close();
    if (!safewrite::mayProceed(safewrite::Step::Rename)) {
        return fail(error, kInterrupted);
    }
    // rename(2) replaces the target in one step; QFile::rename refuses an
    // existing target, which would force deleting the old file first.
    if (std::rename(QFile::encodeName(scratchPath_).constData(),
                    QFile::encodeName(path).constData()) != 0) {
        const QString why = QString::fromLocal8Bit(std::strerror(errno));
        QFile::remove(scratchPath_);
        return fail(error, why);
    }
    return true;
}
