#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <functional>
#include <optional>

#include "scheduler/ScheduleKey.h"
#include "settings/ScratchWriter.h"

// One rewrite of a schedule file without the records it is told to drop
// (every record of one key, or the records of entries already announced), in
// one pass. Nothing is written until a record to drop is found; the scratch
// file is begun once there is something to keep past the first one of them:
// the records before it are copied by the kernel, then the kept ones stream
// after them. The file never gets shorter than its old or its new content:
// the scratch file takes its name in one rename once complete on disk.
// Through a link at the file's name the file it ends in is rewritten, with a
// scratch file of its own beside it, and the link stays.
class RecordRemoval {
  public:
    // `drops` sees each whole record once, in file order.
    using Drops = std::function<bool(QByteArrayView record)>;

    RecordRemoval(QString path, QString scratchPath, int recordSize, Drops drops);
    // Every record of `key`.
    RecordRemoval(QString path, QString scratchPath, int recordSize, const ScheduleKey& key);

    // Whole records to write after the kept ones in the same rewrite, so
    // that the file holds either the old records or the new ones with these.
    void setTail(QByteArray records);

    // A failure says what went wrong, for the user. A missing file is left
    // missing, or made with the tail alone; when no record remains, neither
    // the file nor a scratch file is left (through a link, the file it ends
    // in stays, empty). Anything but a regular file is refused. A failure
    // leaves the file as it was.
    Expected<void> run();

  private:
    Expected<void> scan();
    bool take(qint64 got);
    bool begin();
    bool writeRun(qint64 end);
    bool passed(const Expected<void>& step);
    Expected<void> finish();
    Expected<void> create();
    // The failure told by `text`, which takes the file's path as shown and why.
    Failure failed(QString (*text)(const QString&, const QString&), const QString& why) const;

    QString path_;
    QString scratchPath_;
    int size_;
    Drops drops_;
    QString target_;       // the file rewritten: path_, or where a link there ends
    bool linked_ = false;  // path_ is a link
    QFile main_;
    std::optional<ScratchWriter> scratch_;
    QByteArray in_;       // whole records per read
    bool begun_ = false;  // the scratch file is open
    qint64 keptBytes_ = 0;
    qint64 firstMatch_ = -1;  // file offset of the first record dropped
    qint64 offset_ = 0;       // of the first record in `in_`
    qint64 run_ = -1;         // first kept record in `in_` not yet written
    QString why_;
    QByteArray tail_;
};
