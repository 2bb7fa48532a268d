#include "settings/SafeWrite.h"

#include "settings/ScratchWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace safewrite {

namespace {

FaultSeam& seam() {
    static FaultSeam instance;
    return instance;
}

bool fail(QString* error, const QString& text) {
    if (error) {
        *error = text;
    }
    return false;
}

const QString kInterrupted = QStringLiteral("interrupted");

}  // namespace

bool mayProceed(Step step) {
    return !seam() || seam()(step);
}

void setFaultSeam(FaultSeam s) {
    seam() = std::move(s);
}

bool replaceFile(const QString& path, const QByteArray& content, QString* error) {
    if (!mayProceed(Step::Create)) {
        return fail(error, kInterrupted);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return fail(error, file.errorString());
    }
    if (!mayProceed(Step::Write)) {
        file.cancelWriting();
        return fail(error, kInterrupted);
    }
    if (file.write(content) != content.size()) {
        file.cancelWriting();
        return fail(error, file.errorString());
    }
    if (!mayProceed(Step::Flush) || !mayProceed(Step::Rename)) {
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
    ScratchWriter scratch(scratchPath);
    return scratch.open(error) && scratch.write(content, error) && scratch.commitOver(path, error);
}

}  // namespace safewrite
