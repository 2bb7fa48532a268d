#pragma once

#include <QString>

#include "scheduler/ScheduleTime.h"

// The checks an entry passes before it is added to a schedule, whether typed
// into an editor or given on the command line. Each fails with the text to
// show the user.
class EntryChecks {
  public:
    // The hour and minute as the editors' fields hold them; see ScheduleTime.
    static Expected<QString> time(const QString& hour, const QString& minute);

    // How many bytes the text takes in a record: each line break as CR LF.
    static qsizetype storedLength(const QString& text);
    // How many leading characters of the text fit `capacity` stored bytes.
    static qsizetype fittingLength(const QString& text, int capacity);

    // A reminder text longer than its record holds.
    static Expected<void> reminderText(const QString& text);
    // A launch path longer than its record holds; a cut path would name
    // another file, or none.
    static Expected<void> path(const QString& path);
    // Characters the schedule files' code page cannot hold, each named.
    static Expected<void> storable(const QString& text);
};
