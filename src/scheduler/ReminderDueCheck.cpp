#include "scheduler/ReminderDueCheck.h"

#include "platform/Platform.h"
#include "scheduler/ReminderRecord.h"
#include "settings/DayCount.h"

ReminderDueCheck::ReminderDueCheck(ClockState& state, ClockTimers timers, Platform& platform)
    : DueCheck(ScheduleKind::Reminders, state, timers, platform),
      notice_(state, platform),
      files_(state.programFolder) {}

bool ReminderDueCheck::fire(const ScheduleEntry& entry) {
    playSkinSound();
    // Blocks this tick until answered; the sound goes on meanwhile.
    return answered(entry, notice_.tellDue(entry.text()));
}

bool ReminderDueCheck::report(const ScheduleEntry& entry, const QString& notice) {
    return answered(entry, notice_.tellOverdue(notice));
}

bool ReminderDueCheck::answered(const ScheduleEntry& entry, const ReminderAnswer& answer) {
    if (state_.ending || answer.choice != ReminderAnswer::Choice::PutOff) {
        return true;
    }
    return putOff(entry, answer.minutes);
}

// The new record goes in before the announced one goes out: a crash between
// the two leaves the reminder twice rather than not at all. One that cannot
// be added keeps the announced record, which is then reported again.
bool ReminderDueCheck::putOff(const ScheduleEntry& entry, int minutes) {
    QDateTime now = platform_.now();
    now.setTime(QTime(now.time().hour(), now.time().minute()));
    const QDateTime at = now.addSecs(qint64(minutes) * 60);
    ReminderRecord record;
    record.setDate(daycount::fromDate(at.date()));
    record.setTime(at.time().toString(QStringLiteral("HH:mm")));
    record.setTextBytes(entry.textBytes());
    if (const QString error = files_.append(record); !error.isEmpty()) {
        platform_.showError(error);
        return false;
    }
    // Read at the next tick, also when put off from an overdue notice, whose
    // own removal asks for no reload.
    schedule::reloadFlag(state_, ScheduleKind::Reminders) = true;
    return true;
}
