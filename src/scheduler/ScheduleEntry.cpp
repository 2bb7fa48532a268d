#include "scheduler/ScheduleEntry.h"

#include "scheduler/LaunchRecord.h"
#include "scheduler/ReminderRecord.h"
#include "settings/Cp1251.h"
#include "settings/DayCount.h"

ScheduleEntry ScheduleEntry::fromRecord(ScheduleKind kind, const QByteArray& record) {
    ScheduleEntry entry;
    if (kind == ScheduleKind::Reminders) {
        const ReminderRecord rec = ReminderRecord::fromBytes(record);
        entry.date = rec.date();
        entry.timeBytes = rec.timeBytes();
        entry.text = rec.text();
    } else {
        const LaunchRecord rec = LaunchRecord::fromBytes(record);
        entry.date = rec.date();
        entry.timeBytes = rec.timeBytes();
        entry.text = rec.file();
    }
    entry.time = cp1251::decode(entry.timeBytes);
    return entry;
}

QDate ScheduleEntry::day() const {
    return daycount::toDate(date);
}
