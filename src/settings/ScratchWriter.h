#pragma once

#include <QByteArrayView>
#include <QFile>
#include <QString>

#include "settings/Expected.h"

// A scratch file written in pieces that takes the target's name in one
// rename once it is flushed and synced to disk: a rewrite that streams its
// content instead of holding it whole. The fault seam of SafeWrite.h sees the
// same steps as safewrite::replaceThroughScratch: Create on open, Write
// before the first piece, Flush and Rename on commit. A step that fails for
// real removes the scratch file; one stopped by the seam leaves it, as a crash would.
//
// The scratch file is always a new file of its own, made with O_EXCL and
// never through a link: whatever lies under its name (a file a killed rewrite
// left, a link to a file elsewhere) is taken away by its name first, and
// what a link points to is never opened. The rename moves that file, and only
// it, to the target's name.
class ScratchWriter {
  public:
    enum class Naming {
        Fixed,   // `path` is the scratch file (the schedules' nappr.dat, runpr.dat)
        Beside,  // `path` is the target; the scratch file is its name, a dot and
                 // six random letters, the names a killed save is known by
    };
    explicit ScratchWriter(const QString& path, Naming naming = Naming::Fixed);

    Expected<void> open();
    Expected<void> write(QByteArrayView piece);
    // Appends `bytes` bytes of the open `source` from `offset` on, copied by
    // the kernel without passing through the program; the source's position
    // stays where it was. A source shorter than that is an error.
    Expected<void> copyFrom(QFile& source, qint64 offset, qint64 bytes);
    // `path` keeps its permissions, which the new content takes over.
    Expected<void> commitOver(const QString& path);
    // Gives up: the scratch file is closed and removed, the target untouched.
    void discard();

    const QString& scratchPath() const { return scratchPath_; }

  private:
    Expected<int> create();
    Failure failAndRemove();
    Failure failAndRemove(const QString& why);
    Expected<void> copyThroughBuffer(QFile& source, qint64 offset, qint64 bytes);

    QString path_;
    Naming naming_;
    QString scratchPath_;  // once made
    QFile file_;
    bool wrote_ = false;
};
