#include "settings/SafeWrite.h"

#include <unistd.h>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace safewrite {

namespace {

FaultSeam& seam() {
    static FaultSeam instance;
    return instance;
}

bool proceed(Step step) {
    return !seam() || seam()(step);
}

bool fail(QString* error, const QString& text) {
    if (error) {
        *error = text;
    }
    return false;
}

const QString kInterrupted = QStringLiteral("interrupted");

}  // namespace

void setFaultSeam(FaultSeam s) {
    seam() = std::move(s);
}

bool replaceFile(const QString& path, const QByteArray& content, QString* error) {
    if (!proceed(Step::Create)) {
        return fail(error, kInterrupted);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return fail(error, file.errorString());
    }
    if (!proceed(Step::Write)) {
        file.cancelWriting();
        return fail(error, kInterrupted);
    }
    if (file.write(content) != content.size()) {
        file.cancelWriting();
        return fail(error, file.errorString());
    }
    if (!proceed(Step::Flush) || !proceed(Step::Rename)) {
        file.cancelWriting();
        return fail(error, kInterrupted);
    }
    // commit() flushes, syncs to disk and renames over the target.
    if (!file.commit()) {
        return fail(error, file.errorString());
    }
    return true;
}

bool replaceThroughScratch(const QString& scratchPath, const QString& path,
                           const QByteArray& content, QString* error) {
    if (!proceed(Step::Create)) {
        return fail(error, kInterrupted);
    }
    QFile scratch(scratchPath);
    if (!scratch.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return fail(error, scratch.errorString());
    }
    if (!proceed(Step::Write)) {
        return fail(error, kInterrupted);
    }
    if (scratch.write(content) != content.size()) {
        const QString why = scratch.errorString();
        scratch.close();
        QFile::remove(scratchPath);
        return fail(error, why);
    }
    if (!proceed(Step::Flush)) {
        return fail(error, kInterrupted);
    }
    if (!scratch.flush() || ::fsync(scratch.handle()) != 0) {
        const QString why = scratch.errorString();
        scratch.close();
        QFile::remove(scratchPath);
        return fail(error, why);
    }
    scratch.close();
    if (!proceed(Step::Rename)) {
        return fail(error, kInterrupted);
    }
    // rename(2) replaces the target in one step; QFile::rename refuses an
    // existing target, which would force deleting the old file first.
    if (std::rename(QFile::encodeName(scratchPath).constData(),
                    QFile::encodeName(path).constData()) != 0) {
        const QString why = QString::fromLocal8Bit(std::strerror(errno));
        QFile::remove(scratchPath);
        return fail(error, why);
    }
    return true;
}

}  // namespace safewrite
