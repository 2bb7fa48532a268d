#include "scheduler/LaunchDueCheck.h"

#include <QFileInfo>

#include "platform/Platform.h"

LaunchDueCheck::LaunchDueCheck(ClockState& state, ClockTimers timers, Platform& platform)
    : DueCheck(ScheduleKind::Launches, state, timers, platform) {}

bool LaunchDueCheck::fire(const ScheduleEntry& entry) {
    playSkinSound();
    // A path that is gone (or empty, or from another system) starts nothing
    // and is not reported; the entry is removed all the same.
    if (QFileInfo::exists(entry.text())) {
        platform_.shellOpen(entry.text(), ShowMode::Normal);
    }
    return true;
}
