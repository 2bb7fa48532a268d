#include <gtest/gtest.h>

#include <libical/ical.h>

#include "ZoneGuard.h"
#include "ical/ICalImport.h"
#include "ical/ICalRepeat.h"
#include "scheduler/Recurrence.h"

// The RRULEs of the repeating reminders, as libical expands them, and which
// calendar rules an import keeps as one repeating reminder.
namespace {

QList<QDate> libicalDays(const QByteArray& rrule, const QDate& start, int count) {
    const icalrecurrencetype rule = icalrecurrencetype_from_string(rrule.constData());
    const icaltimetype dtstart =
        icaltime_from_string(start.toString(QStringLiteral("yyyyMMdd'T'080000")).toLatin1());
    icalrecur_iterator* it = icalrecur_iterator_new(rule, dtstart);
    QList<QDate> days;
    for (int i = 0; i < count; ++i) {
        const icaltimetype next = icalrecur_iterator_next(it);
        if (icaltime_is_null_time(next)) {
            break;
        }
        days << QDate(next.year, next.month, next.day);
    }
    icalrecur_iterator_free(it);
    return days;
}

QByteArray calendarOf(const QByteArray& event) {
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//test//EN\r\nBEGIN:VEVENT\r\n"
           "UID:1@test\r\nDTSTAMP:20261201T000000Z\r\nSUMMARY:Pills\r\n" +
           event + "END:VEVENT\r\nEND:VCALENDAR\r\n";
}

}  // namespace

// From the reminder's current occurrence (which need not be its anchor) on,
// libical gives the rule's days for years: month ends, leap years.
TEST(ICalRepeat, TheRruleExpandsToTheRulesDays) {
    const struct {
        RepeatRule rule;
        QDate anchor;
        QDate current;
    } rows[] = {
        {RepeatRule::Daily, QDate(2026, 12, 30), QDate(2026, 12, 30)},
        {RepeatRule::Workdays, QDate(2026, 12, 31), QDate(2027, 1, 1)},
        {RepeatRule::Weekly, QDate(2026, 12, 31), QDate(2027, 1, 7)},
        {RepeatRule::Monthly, QDate(2026, 1, 15), QDate(2027, 2, 15)},
        {RepeatRule::Monthly, QDate(2026, 1, 28), QDate(2027, 1, 28)},
        {RepeatRule::Monthly, QDate(2026, 1, 29), QDate(2027, 2, 28)},
        {RepeatRule::Monthly, QDate(2026, 1, 30), QDate(2027, 2, 28)},
        {RepeatRule::Monthly, QDate(2026, 1, 31), QDate(2027, 4, 30)},
        {RepeatRule::Yearly, QDate(2026, 12, 31), QDate(2026, 12, 31)},
        {RepeatRule::Yearly, QDate(2024, 2, 29), QDate(2027, 2, 28)},
        {RepeatRule::Yearly, QDate(2024, 2, 29), QDate(2028, 2, 29)},
    };
    for (const auto& row : rows) {
        const QByteArray rrule = icalrepeat::rrule(row.rule, row.anchor);
        SCOPED_TRACE(rrule.toStdString() + " from " +
                     row.current.toString(Qt::ISODate).toStdString());
        const Recurrence ours(row.rule, row.anchor, 0);
        QList<QDate> expected;
        for (Recurrence::Moment at{row.current, 0}; expected.size() < 60; at = ours.nextAfter(at)) {
            expected << at.day;
        }
        EXPECT_EQ(libicalDays(rrule, row.current, 60), expected);
    }
}

// Kept: one reminder with its rule at its first occurrence from now. Any
// other rule, or one with an end, gives its single occurrences as before.
TEST(ICalRepeat, AnImportKeepsOnlyTheRulesItCanRepeat) {
    const ZoneGuard paris("Europe/Paris");
    const QDateTime now(QDate(2026, 12, 10), QTime(12, 0));
    const QByteArray start = "DTSTART;TZID=Europe/Paris:20261215T083000\r\n";
    const struct {
        const char* what;
        QByteArray event;
        RepeatRule rule;  // Never: expanded
        QDate first;
        QDate anchor;
    } rows[] = {
        {"daily", start + "RRULE:FREQ=DAILY\r\n", RepeatRule::Daily, QDate(2026, 12, 15),
         QDate(2026, 12, 15)},
        {"workdays by the week", start + "RRULE:FREQ=WEEKLY;BYDAY=MO,TU,WE,TH,FR\r\n",
         RepeatRule::Workdays, QDate(2026, 12, 15), QDate(2026, 12, 15)},
        {"workdays by the day", start + "RRULE:FREQ=DAILY;BYDAY=MO,TU,WE,TH,FR\r\n",
         RepeatRule::Workdays, QDate(2026, 12, 15), QDate(2026, 12, 15)},
        {"workdays, set for a Saturday",
         "DTSTART;TZID=Europe/Paris:20261212T083000\r\nRRULE:FREQ=WEEKLY;BYDAY=MO,TU,WE,TH,FR\r\n",
         RepeatRule::Workdays, QDate(2026, 12, 12), QDate(2026, 12, 12)},
        {"weekly", start + "RRULE:FREQ=WEEKLY\r\n", RepeatRule::Weekly, QDate(2026, 12, 15),
         QDate(2026, 12, 15)},
        {"the month's last day, begun in the past",
         "DTSTART;TZID=Europe/Paris:20261130T083000\r\nRRULE:FREQ=MONTHLY;BYMONTHDAY=-1\r\n",
         RepeatRule::Monthly, QDate(2026, 12, 31), QDate(2026, 12, 31)},
        {"the 30th or the month's last",
         "DTSTART;TZID=Europe/Paris:20270130T083000\r\n"
         "RRULE:FREQ=MONTHLY;BYMONTHDAY=28,29,30;BYSETPOS=-1\r\n",
         RepeatRule::Monthly, QDate(2027, 1, 30), QDate(2027, 1, 30)},
        {"yearly", start + "RRULE:FREQ=YEARLY\r\n", RepeatRule::Yearly, QDate(2026, 12, 15),
         QDate(2026, 12, 15)},
        {"floating time", "DTSTART:20261215T083000\r\nRRULE:FREQ=DAILY\r\n", RepeatRule::Daily,
         QDate(2026, 12, 15), QDate(2026, 12, 15)},
        {"an end by count", start + "RRULE:FREQ=DAILY;COUNT=3\r\n", RepeatRule::Never, {}, {}},
        {"an end by date",
         start + "RRULE:FREQ=DAILY;UNTIL=20261220T000000Z\r\n",
         RepeatRule::Never,
         {},
         {}},
        {"every other day", start + "RRULE:FREQ=DAILY;INTERVAL=2\r\n", RepeatRule::Never, {}, {}},
        {"a day excluded",
         start + "RRULE:FREQ=DAILY\r\nEXDATE;TZID=Europe/Paris:20261216T083000\r\n",
         RepeatRule::Never,
         {},
         {}},
        {"the 31st, skipping shorter months",
         "DTSTART;TZID=Europe/Paris:20261231T083000\r\nRRULE:FREQ=MONTHLY\r\n",
         RepeatRule::Never,
         {},
         {}},
        {"weekends", start + "RRULE:FREQ=WEEKLY;BYDAY=SA,SU\r\n", RepeatRule::Never, {}, {}},
        {"another zone's summer time",
         "DTSTART;TZID=America/New_York:20261215T083000\r\nRRULE:FREQ=DAILY\r\n",
         RepeatRule::Never,
         {},
         {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        ICalImport calendar(now);
        ASSERT_TRUE(calendar.read(calendarOf(row.event)).ok());
        const QList<ImportedReminder>& got = calendar.reminders();
        if (row.rule == RepeatRule::Never) {
            ASSERT_GT(got.size(), 1);
            EXPECT_EQ(got.first().rule, RepeatRule::Never);
            continue;
        }
        ASSERT_EQ(got.size(), 1);
        EXPECT_EQ(got.first().rule, row.rule);
        EXPECT_EQ(got.first().at, QDateTime(row.first, QTime(8, 30)));
        EXPECT_EQ(got.first().anchor, row.anchor);
    }
}
