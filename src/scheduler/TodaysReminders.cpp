#include "scheduler/TodaysReminders.h"

#include <algorithm>

namespace schedule {

QStringList todaysReminders(const ScheduleList& list, const QDate& day) {
    const qint64 julian = ScheduleEntry::dayNumber(day);
    QList<const ScheduleEntry*> today;
    for (const ScheduleEntry& entry : list) {
        if (entry.kind == ScheduleKind::Reminders && entry.julianDay == julian) {
            today.append(&entry);
        }
    }
    const auto minute = [](const ScheduleEntry* e) {
        return e->dueMinute == ScheduleEntry::kNever ? 1440 : int(e->dueMinute);
    };
    std::stable_sort(
        today.begin(), today.end(),
        [&](const ScheduleEntry* a, const ScheduleEntry* b) { return minute(a) < minute(b); });
    QStringList lines;
    for (const ScheduleEntry* entry : today) {
        // Said as one line: the text's own line breaks become spaces.
        const QString text = entry->textWithNewlines().simplified();
        lines << (entry->time() + QLatin1Char(' ') + text).trimmed();
    }
    return lines;
}

}  // namespace schedule
