#pragma once

#include <QByteArray>
#include <QString>

// The bytes of the file an import reads, never more than a limit, whatever
// kind of file it is. A regular file or a pipe is read to its end but not
// past the limit, whatever size it says it has (a file of /proc says none,
// one that grows says less than it will hold); a FIFO is opened without
// waiting for a writer, so that one without a writer reads as empty rather
// than keeping the import waiting. A device or a folder has no end to read
// to and is refused at once.
struct ImportSource {
    enum class Outcome { Read, CannotRead, Folder, Device, TooLarge };

    static ImportSource read(const QString& path, qint64 limit);

    Outcome outcome = Outcome::Read;
    QByteArray bytes;
    QString error;  // the system's, where it could not be read
};
