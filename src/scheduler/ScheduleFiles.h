#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "scheduler/ScheduleEntry.h"
#include "scheduler/ScheduleKey.h"
#include "scheduler/ScheduleKind.h"
#include "settings/Expected.h"
#include "settings/FolderLock.h"

class LaunchRecord;
class ProgramFolder;
class ReminderRecord;

// The two schedule files of a program folder: reads them, appends a record,
// removes every record of a key, and says what went wrong. A change waits
// for one that another process (the clock, the command line) is making in
// the same folder. Every change refuses, at once, a schedule that is no
// regular file (a pipe would hold it, a device swallow the records). A link
// at the file's name is followed by all of them alike: the file it ends in
// is the schedule, rewritten in its own folder, and the link stays, for a
// user who keeps the schedule elsewhere. What a change means (a reload, the due check held
// meanwhile, a message) is the caller's.
class ScheduleFiles {
  public:
    // A list never holds more entries than this; a file far larger than any
    // schedule (random bytes, a foreign file) is not read past it. A write
    // that would take a file past it is refused: what it added would never
    // be read.
    static constexpr qsizetype kMaxEntries = 100000;

    explicit ScheduleFiles(const ProgramFolder& folder);

    // Adds the record at the end of the kind's file, after its last whole
    // record, creating the file when it does not exist; a failure leaves no
    // part of the record behind, a file that holds kMaxEntries records is
    // left as it is. A failure says what went wrong, for the user.
    Expected<void> append(ScheduleKind kind, const QByteArray& record) const;
    Expected<void> append(const ReminderRecord& record) const;
    Expected<void> append(const LaunchRecord& record) const;
    // Adds the records after the file's last whole record in one rewrite, so
    // that a crash or a full disk leaves the file with all of them or none;
    // none when they would take it past kMaxEntries.
    Expected<void> appendAll(ScheduleKind kind, const QList<QByteArray>& records) const;

    // The kind's entries in file order. A missing file, a file without a
    // whole record and any failed read give an empty list.
    ScheduleList load(ScheduleKind kind) const;

    // Rewrites the kind's file without the records of `key` (RecordRemoval);
    // the caller holds the kind's due check meanwhile. A failure says what
    // went wrong, for the user.
    Expected<void> remove(ScheduleKind kind, const ScheduleKey& key) const;
    // Rewrites the kind's file without one record for each of `entries`: the
    // first, in file order, that reads as the entry and was not taken for
    // another. Records the entries were not read from stay, those of the
    // same day and time too. As remove() otherwise.
    Expected<void> removeEntries(ScheduleKind kind, const ScheduleList& entries) const;
    // The same, with `added` written after the records kept in the same
    // rewrite: the file holds either all it held or the result, never a part
    // of the change. A file gone meanwhile is made with `added` alone.
    Expected<void> replaceEntries(ScheduleKind kind, const ScheduleList& entries,
                                  const QList<QByteArray>& added) const;

    // Why the kind's file is no schedule that could be changed (a folder, a
    // pipe or device under its name), for the user; empty when it is a
    // regular file or missing.
    QString refusal(ScheduleKind kind) const;

    QString filePath(ScheduleKind kind) const;
    QString scratchPath(ScheduleKind kind) const;

  private:
    // What a write under the folder's lock works on: the file the name leads
    // to through its links, and whether anything is there yet.
    struct WriteTarget {
        QString file;
        QString shown;  // the schedule's name as messages show it
        bool linked = false;
        bool existed = false;
    };
    Expected<WriteTarget> writeTarget(ScheduleKind kind, const FolderLock& lock) const;
    QString folderOf(ScheduleKind kind) const;
    static QByteArray wholeRecord(ScheduleKind kind, const QByteArray& record);
    static bool present(const QString& path);  // anything under the name, a link too
    Failure busy(ScheduleKind kind) const;
    Failure full(ScheduleKind kind, qint64 held, qint64 adding) const;

    const ProgramFolder& folder_;
};
