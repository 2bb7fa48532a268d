#include "scheduler/ReminderDueCheck.h"

#include "platform/Platform.h"

ReminderDueCheck::ReminderDueCheck(ClockState& state, ClockTimers timers, Platform& platform)
    : DueCheck(ScheduleKind::Reminders, state, timers, platform) {}

void ReminderDueCheck::fire(const ScheduleEntry& entry) {
    playSkinSound();
    // Blocks this tick until dismissed; the sound goes on meanwhile.
    platform_.showMessage(entry.text());
}
