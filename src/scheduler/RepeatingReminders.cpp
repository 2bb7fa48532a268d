#include "scheduler/RepeatingReminders.h"

#include <algorithm>

#include "scheduler/Recurrence.h"
#include "scheduler/ReminderRecord.h"
#include "settings/DayCount.h"

RepeatingReminders::RepeatingReminders(const ProgramFolder& folder)
    : folder_(folder), files_(folder) {}

Expected<void> RepeatingReminders::add(const ReminderRecord& record, RepeatRule rule,
                                       bool* recordAdded) const {
    // The record first: a crash before the rule is written leaves an
    // ordinary reminder, never a rule waiting for a record that matches it.
    const Expected<void> added = files_.append(record);
    if (recordAdded) {
        *recordAdded = added.ok();
    }
    if (!added) {
        return added;
    }
    if (rule == RepeatRule::Never) {
        return {};
    }
    const RepeatEntry entry = RepeatEntry::of(rule, daycount::toDate(record.date()), record);
    return rules().update([&](QList<RepeatEntry>& entries) { entries.append(entry); }).written;
}

RepeatingReminders::Outcome RepeatingReminders::announced(const ScheduleEntry& entry,
                                                          const QDateTime& now) const {
    Outcome outcome;
    const QDate shownDay = entry.day();
    std::optional<RepeatEntry> rule;
    QDate next;
    // First the rule learns the day to come, as `then`: from here on it
    // holds the old record or the new one, whichever the file has.
    const RepeatFile::Update marked = rules().update([&](QList<RepeatEntry>& entries) {
        const auto found = std::find_if(entries.begin(), entries.end(),
                                        [&](const RepeatEntry& r) { return r.holds(entry); });
        if (found == entries.end() || !shownDay.isValid()) {
            return;
        }
        const Recurrence recurrence = found->recurrence();
        const Recurrence::Moment shown{shownDay, found->minute()};
        const Recurrence::Moment after = std::max(shown, Recurrence::Moment::of(now));
        next = recurrence.nextAfter(after).day;
        if (!next.isValid()) {
            return;
        }
        found->day = shownDay;
        found->then = next;
        rule = *found;
    });
    outcome.before = marked.before;
    if (!marked.written || !rule) {
        // No rule (or none that could be read or marked): an ordinary
        // reminder, announced once and gone.
        outcome.done = files_.removeEntries(ScheduleKind::Reminders, {entry});
        if (outcome.done && !marked.written && marked.before.failure.isEmpty()) {
            outcome.done = marked.written;
        }
        return outcome;
    }
    ReminderRecord record;
    record.setDate(daycount::fromDate(next));
    record.setTimeBytes(rule->time);
    record.setTextBytes(rule->text);
    outcome.done = files_.replaceEntries(ScheduleKind::Reminders, {entry}, {record.bytes()});
    const bool replaced = outcome.done.ok();
    // Then the rule takes the day the file now holds; after a failed
    // rewrite it keeps the day the file still holds.
    const RepeatFile::Update settled = rules().update([&](QList<RepeatEntry>& entries) {
        for (RepeatEntry& r : entries) {
            if (r == *rule) {
                if (replaced) {
                    r.day = r.then;
                }
                r.then = QDate();
                return;
            }
        }
    });
    if (outcome.done) {
        outcome.done = settled.written;
    }
    outcome.advanced = replaced;
    return outcome;
}

Expected<void> RepeatingReminders::removeKey(const ScheduleKey& key) const {
    // The rules first: a crash between the two writes leaves the reminder
    // ordinary, not a rule that could take hold of another record later.
    const RepeatFile::Update dropped = rules().update([&](QList<RepeatEntry>& entries) {
        entries.removeIf([&](const RepeatEntry& r) { return r.ofKey(key); });
    });
    if (Expected<void> removed = files_.remove(ScheduleKind::Reminders, key); !removed) {
        return removed;
    }
    // A rule file that cannot be read holds no rule that could be kept.
    if (dropped.before.failure.isEmpty() && !dropped.written) {
        return dropped.written;
    }
    return {};
}
