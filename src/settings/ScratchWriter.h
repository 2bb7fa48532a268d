#pragma once

#include <QByteArrayView>
#include <QFile>
#include <QString>

// A scratch file written in pieces that takes the target's name in one
// rename once it is flushed and synced to disk: a rewrite that streams its
// content instead of holding it whole. The fault seam of SafeWrite.h sees the
// same steps as safewrite::replaceThroughScratch: Create on open, Write
// before the first piece, Flush and Rename on commit. A step that fails for
// real removes the scratch file; one stopped by the seam leaves it, as a crash would.
class ScratchWriter {
  public:
    explicit ScratchWriter(const QString& scratchPath);

    bool open(QString* error);
    bool write(QByteArrayView piece, QString* error);
    // Appends `bytes` bytes of the open `source` from `offset` on, copied by
    // the kernel without passing through the program; the source's position
    // stays where it was. A source shorter than that is an error.
    bool copyFrom(QFile& source, qint64 offset, qint64 bytes, QString* error);
    bool commitOver(const QString& path, QString* error);
    // Gives up: the scratch file is closed and removed, the target untouched.
    void discard();

  private:
    bool failAndRemove(QString* error);
    bool copyThroughBuffer(QFile& source, qint64 offset, qint64 bytes, QString* error);

    QString scratchPath_;
    QFile file_;
    bool wrote_ = false;
};
