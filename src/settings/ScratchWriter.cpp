#include "settings/ScratchWriter.h"

#include <unistd.h>
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
    if (file_.write(piece.data(), piece.size()) != piece.size()) {
        return failAndRemove(error);
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
