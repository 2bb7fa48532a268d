#include "scheduler/ReminderDueCheck.h"

#include "platform/Platform.h"

ReminderDueCheck::ReminderDueCheck(ClockState& state, ClockTimers timers, Platform& platform)
    : DueCheck(ScheduleKind::Reminders, state, timers, platform),
      reminders_(state.programFolder),
      texts_(state.programFolder, state.settings) {}

void ReminderDueCheck::fire(const ScheduleEntry& entry) {
    playSkinSound();
    // Blocks this tick until dismissed; the sound goes on meanwhile.
    platform_.showMessage(entry.text());
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

QString ReminderDueCheck::takeAway(const ScheduleEntry& entry) {
    return reminders_.announced(entry, platform_.now()).error;
}
