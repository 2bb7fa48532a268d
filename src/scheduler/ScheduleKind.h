#pragma once

#include <QString>
#include <optional>

struct ClockState;
struct ClockTimers;
class TimerSwitch;

// The two schedules. The kind picks everything that differs between them: the
// file and its scratch companion, the record size, the reload flag and the
// due-check timer that must be held while the file is rewritten.
// One byte, so the entries of a large schedule stay small.
enum class ScheduleKind : quint8 { Reminders, Launches };

namespace schedule {

// Paths relative to the program folder, in the stored form.
QString fileName(ScheduleKind kind);     // "\system\napom.dat", "\system\run.dat"
QString scratchName(ScheduleKind kind);  // "\system\nappr.dat", "\system\runpr.dat"
int recordSize(ScheduleKind kind);       // 168, 272

// The name a running clock is asked to reload the schedule by: "reminders",
// "launches"; nothing for a name of neither.
QString messageName(ScheduleKind kind);
std::optional<ScheduleKind> kindNamed(const QString& name);

bool& reloadFlag(ClockState& state, ScheduleKind kind);
// reminderCheck for reminders, launchCheck for launches; null when the caller was given none.
TimerSwitch* dueTimer(const ClockTimers& timers, ScheduleKind kind);

}  // namespace schedule
