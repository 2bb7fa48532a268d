#include "scheduler/RepeatEntry.h"

#include <QHash>
#include <QSet>

#include "scheduler/ReminderRecord.h"
#include "settings/DayCount.h"

RepeatEntry RepeatEntry::of(RepeatRule rule, const QDate& anchor, const ReminderRecord& record) {
    RepeatEntry entry;
    entry.rule = rule;
    entry.anchor = anchor;
    entry.day = daycount::toDate(record.date());
    entry.time = record.timeBytes();
    entry.text = record.textBytes();
    return entry;
}

int RepeatEntry::minute() const {
    return ScheduleEntry::minuteOf(time);
}

bool RepeatEntry::holds(const ScheduleEntry& entry) const {
    if (entry.kind != ScheduleKind::Reminders || entry.timeBytes() != time ||
        entry.textBytes() != text) {
        return false;
    }
    return (day.isValid() && entry.julianDay == day.toJulianDay()) ||
           (then.isValid() && entry.julianDay == then.toJulianDay());
}

bool RepeatEntry::ofKey(const ScheduleKey& key) const {
    return key.time == time && key.day.isValid() && (key.day == day || key.day == then);
}

RepeatMatch::RepeatMatch(const ScheduleList& list, const QList<RepeatEntry>& rules) {
    if (rules.isEmpty()) {
        return;
    }
    // The rules by time and text, so the list is walked once however many
    // rules there are; few entries share both.
    QHash<QByteArray, QList<qsizetype>> byText;
    for (qsizetype r = 0; r < rules.size(); ++r) {
        byText[rules[r].time + '\0' + rules[r].text].append(r);
    }
    QSet<qsizetype> placed;
    for (qsizetype i = 0; i < list.size() && placed.size() < rules.size(); ++i) {
        const ScheduleEntry& entry = list[i];
        const auto found = byText.constFind(entry.timeBytes().toByteArray() + '\0' +
                                            entry.textBytes().toByteArray());
        if (found == byText.cend()) {
            continue;
        }
        for (const qsizetype r : *found) {
            if (!placed.contains(r) && rules[r].holds(entry)) {
                placed.insert(r);
                byEntry_.insert(i, rules[r]);
                break;
            }
        }
    }
}

std::optional<RepeatEntry> RepeatMatch::ruleOf(qsizetype index) const {
    const auto found = byEntry_.constFind(index);
    return found == byEntry_.cend() ? std::nullopt : std::optional<RepeatEntry>(*found);
}
