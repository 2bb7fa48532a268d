#pragma once

#include <QByteArray>
#include <QString>

#include "scheduler/ScheduleEntry.h"
#include "scheduler/ScheduleKey.h"
#include "scheduler/ScheduleKind.h"
#include "state/ClockState.h"

class LaunchRecord;
class Platform;
class ReminderRecord;

// The two schedule files and the lists loaded from them. Appending adds one
// record at the end; loading replaces a list whole; removing rewrites a file
// without every record of one key. A rewrite never leaves the file shorter
// than its old or its new content: the kept records go to the scratch file,
// which takes the main file's name in one rename once it is complete on disk.
class ScheduleFiles {
  public:
    // A list never holds more entries than this; a file far larger than any
    // schedule (random bytes, a foreign file) is not read past it.
    static constexpr qsizetype kMaxEntries = 100000;

    ScheduleFiles(ClockState& state, ClockTimers timers, Platform& platform);

    // Adds the record at the end of the kind's file, after its last whole
    // record, creating the file when it does not exist. A failure is reported
    // through Platform::showError and leaves no part of the record behind.
    bool appendEntry(ScheduleKind kind, const QByteArray& record);
    bool appendEntry(const ReminderRecord& record);
    bool appendEntry(const LaunchRecord& record);

    // Reads the kind's file into a fresh list, which replaces the kind's list.
    // A missing file, a file without a whole record and any failed read give
    // an empty list, silently.
    ScheduleList loadEntries(ScheduleKind kind);
    const ScheduleList& list(ScheduleKind kind) const;

    // Rewrites the kind's file without the records of `key`; the caller has
    // stopped the kind's due-check timer. A missing file is left missing; when
    // no record remains neither the file nor its scratch file is left. Other
    // failures are reported through Platform::showError and leave the file as
    // it was. Whatever happened, the reload flag is raised when asked and the
    // due-check timer runs again.
    bool removeEntries(ScheduleKind kind, const ScheduleKey& key, bool requestReload);

    QString filePath(ScheduleKind kind) const;
    QString scratchPath(ScheduleKind kind) const;

  private:
    bool rewriteWithout(ScheduleKind kind, const ScheduleKey& key);
    bool report(const QString& text);

    ClockState& state_;
    ClockTimers timers_;
    Platform& platform_;
    ScheduleList reminderList_;
    ScheduleList launchList_;
};
