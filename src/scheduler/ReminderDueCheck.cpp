#include "scheduler/ReminderDueCheck.h"

#include "platform/Platform.h"
#include "scheduler/ReminderRecord.h"
#include "settings/DayCount.h"

ReminderDueCheck::ReminderDueCheck(ClockState& state, ClockTimers timers, Platform& platform)
    : DueCheck(ScheduleKind::Reminders, state, timers, platform),
      notice_(state, platform),
      files_(state.programFolder),
      reminders_(state.programFolder),
      texts_(state.programFolder, state.settings) {}

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
    if (const Expected<void> added = files_.append(record); !added) {
        platform_.showError(added.error());
        return false;
    }
    // Read at the next tick, also when put off from an overdue notice, whose
    // own removal asks for no reload.
    schedule::reloadFlag(state_, ScheduleKind::Reminders) = true;
    return true;
}

QString ReminderDueCheck::listReloaded() {
    // The language may have changed since the last reload.
    texts_.reload(state_.programFolder, state_.settings);
    const RepeatFile::Read read = reminders_.readRules();
    rules_ = RepeatMatch(list(), read.entries);
    return ruleFileTrouble(read);
}

QString ReminderDueCheck::ruleFileTrouble(const RepeatFile::Read& read) {
    QString trouble;
    if (read.damaged()) {
        trouble = texts_.line(sections::repeat::RuleFileDamaged);
    } else if (read.missing && rulesSeen_) {
        // Gone while the program ran: the rules it held are lost. A folder
        // that never had one (no reminder ever repeated) is no trouble.
        trouble = texts_.line(sections::repeat::RuleFileGone);
    }
    rulesSeen_ = !read.entries.isEmpty();
    if (trouble.isEmpty()) {
        troubleTold_ = false;
        return {};
    }
    if (troubleTold_) {
        return {};
    }
    troubleTold_ = true;
    return trouble;
}

QString ReminderDueCheck::overdueNote(qsizetype index, const QDateTime& now) const {
    const std::optional<RepeatEntry> rule = rules_.ruleOf(index);
    const QDate day = list()[index].day();
    if (!rule || !day.isValid()) {
        return {};
    }
    const Recurrence recurrence = rule->recurrence();
    const qint64 missed = recurrence.missed({day, rule->minute()}, Recurrence::Moment::of(now));
    return texts_.missedLine(missed);
}

Expected<void> ReminderDueCheck::takeAway(const ScheduleEntry& entry) {
    return reminders_.announced(entry, platform_.now()).done;
}
