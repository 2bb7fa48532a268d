#include "scheduler/ScheduleKind.h"

#include "scheduler/LaunchRecord.h"
#include "scheduler/ReminderRecord.h"
#include "settings/FormatNames.h"
#include "state/ClockState.h"

namespace schedule {

QString fileName(ScheduleKind kind) {
    return kind == ScheduleKind::Reminders ? formatnames::reminderFile()
                                           : formatnames::launchFile();
}

QString scratchName(ScheduleKind kind) {
    return kind == ScheduleKind::Reminders ? formatnames::reminderScratchFile()
                                           : formatnames::launchScratchFile();
}

int recordSize(ScheduleKind kind) {
    return kind == ScheduleKind::Reminders ? ReminderRecord::kSize : LaunchRecord::kSize;
}

bool& reloadFlag(ClockState& state, ScheduleKind kind) {
    return kind == ScheduleKind::Reminders ? state.reloadReminders : state.reloadLaunches;
}

TimerSwitch* dueTimer(const ClockTimers& timers, ScheduleKind kind) {
    return kind == ScheduleKind::Reminders ? timers.reminderCheck : timers.launchCheck;
}

QString messageName(ScheduleKind kind) {
    return kind == ScheduleKind::Reminders ? QStringLiteral("reminders")
                                           : QStringLiteral("launches");
}

std::optional<ScheduleKind> kindNamed(const QString& name) {
    for (const ScheduleKind kind : {ScheduleKind::Reminders, ScheduleKind::Launches}) {
        if (name == messageName(kind)) {
            return kind;
        }
    }
    return std::nullopt;
}

}  // namespace schedule
