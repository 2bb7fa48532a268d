#include "settings/SafeWrite.h"

#include "settings/PlainFile.h"
#include "settings/ScratchWriter.h"

#include <unistd.h>
#include <QFile>
#include <cerrno>
#include <cstring>

namespace safewrite {

namespace {

FaultSeam& seam() {
    static FaultSeam instance;
    return instance;
}

Expected<void> writeOver(ScratchWriter& scratch, const QByteArray& content, const QString& path) {
    Expected<void> done = scratch.open();
    if (done) {
        done = scratch.write(content);
    }
    return done ? scratch.commitOver(path) : done;
}

}  // namespace

bool mayProceed(Step step) {
    return !seam() || seam()(step);
}

void setFaultSeam(FaultSeam s) {
    seam() = std::move(s);
}

Expected<void> replaceFile(const QString& path, const QByteArray& content) {
    // A link keeps pointing where the user put it: the file it ends in is
    // the one replaced, in its own folder, where the rename cannot fail for
    // crossing file systems.
    const QString target = plainfile::linkEnd(path);
    // As a save in place would fail: a file the user may not write is not
    // replaced just because its folder may be written.
    const QByteArray native = QFile::encodeName(target);
    if (::access(native.constData(), F_OK) == 0 && ::access(native.constData(), W_OK) != 0) {
        return Failure{QString::fromLocal8Bit(std::strerror(errno))};
    }
    ScratchWriter scratch(target, ScratchWriter::Naming::Beside);
    const Expected<void> done = writeOver(scratch, content, target);
    if (!done) {
        // Its random name is known to nobody else: a rewrite that gave up
        // leaves nothing for the next start to clear away.
        scratch.discard();
    }
    return done;
}

Expected<void> replaceThroughScratch(const QString& scratchPath, const QString& path,
                                     const QByteArray& content) {
    ScratchWriter scratch(scratchPath);
    return writeOver(scratch, content, path);
}

}  // namespace safewrite
