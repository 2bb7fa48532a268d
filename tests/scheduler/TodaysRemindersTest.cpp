#include <gtest/gtest.h>

#include "scheduler/ReminderRecord.h"
#include "scheduler/TodaysReminders.h"
#include "settings/DayCount.h"

// What a screen reader tells of the clock's day: today's reminders, by time.
namespace {

const QDate kToday(2026, 3, 10);

ScheduleEntry reminder(const QDate& day, const char* time, const char* text) {
    ReminderRecord rec;
    rec.setDate(daycount::fromDate(day));
    rec.setTime(QString::fromUtf8(time));
    rec.setText(QString::fromUtf8(text));
    return ScheduleEntry::fromRecord(ScheduleKind::Reminders, rec.bytes());
}

struct Case {
    const char* what;
    ScheduleList list;
    QStringList expected;
};

}  // namespace

TEST(TodaysReminders, OnlyTodaysInTheOrderOfTheirMinutes) {
    const Case cases[] = {
        {"none", {}, {}},
        {"another day only", {reminder(kToday.addDays(1), "09:00", "Tomorrow")}, {}},
        {"by time, not by file order",
         {reminder(kToday, "18:00", "Gym"), reminder(kToday.addDays(-1), "07:00", "Gone"),
          reminder(kToday, "08:30", "Call mum")},
         {QStringLiteral("08:30 Call mum"), QStringLiteral("18:00 Gym")}},
        {"a time text that names no minute goes last",
         {reminder(kToday, "7:5", "Odd"), reminder(kToday, "23:59", "Late")},
         {QStringLiteral("23:59 Late"), QStringLiteral("7:5 Odd")}},
        {"line breaks are said as spaces",
         {reminder(kToday, "10:00", "Buy\nmilk\n and bread")},
         {QStringLiteral("10:00 Buy milk and bread")}},
        {"a Cyrillic text", {reminder(kToday, "12:00", "Обед")}, {QStringLiteral("12:00 Обед")}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(schedule::todaysReminders(c.list, kToday), c.expected) << c.what;
    }
}
