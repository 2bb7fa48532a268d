#include <gtest/gtest.h>

#include <QList>

#include "ZoneGuard.h"
#include "scheduler/Recurrence.h"

namespace {

using Moment = Recurrence::Moment;

constexpr int k0800 = 8 * 60;

Moment at(int y, int m, int d, int minute = k0800) {
    return {QDate(y, m, d), minute};
}

std::string describe(const Moment& moment) {
    return moment.day.toString(Qt::ISODate).toStdString() + " minute " +
           std::to_string(moment.minute);
}

struct NextRow {
    const char* what;
    RepeatRule rule;
    QDate anchor;
    Moment now;
    Moment next;
};

}  // namespace

TEST(Recurrence, TheNextOccurrenceAfterNow) {
    const QList<NextRow> rows{
        {"daily, later the same day", RepeatRule::Daily, QDate(2026, 3, 10),
         at(2026, 3, 10, 7 * 60), at(2026, 3, 10)},
        {"daily, the occurrence's own minute is over", RepeatRule::Daily, QDate(2026, 3, 10),
         at(2026, 3, 10), at(2026, 3, 11)},
        {"daily over the year's end", RepeatRule::Daily, QDate(2026, 3, 10), at(2026, 12, 31, 900),
         at(2027, 1, 1)},
        {"daily before the anchor starts at the anchor", RepeatRule::Daily, QDate(2026, 3, 10),
         at(2026, 1, 1), at(2026, 3, 10)},
        {"workdays, Friday to Monday", RepeatRule::Workdays, QDate(2026, 3, 9),
         at(2026, 3, 13, 600), at(2026, 3, 16)},
        {"workdays, Saturday to Monday", RepeatRule::Workdays, QDate(2026, 3, 9),
         at(2026, 3, 14, 0), at(2026, 3, 16)},
        {"workdays, Tuesday to Wednesday", RepeatRule::Workdays, QDate(2026, 3, 9),
         at(2026, 3, 10, 600), at(2026, 3, 11)},
        {"workdays from a Sunday anchor", RepeatRule::Workdays, QDate(2026, 3, 8), at(2026, 3, 1),
         at(2026, 3, 9)},
        {"weekly on the anchor's weekday", RepeatRule::Weekly, QDate(2026, 3, 11),
         at(2026, 3, 11, 600), at(2026, 3, 18)},
        {"weekly over the year's end", RepeatRule::Weekly, QDate(2026, 12, 30),
         at(2026, 12, 30, 600), at(2027, 1, 6)},
        {"monthly 31st into a 30-day month", RepeatRule::Monthly, QDate(2026, 3, 31),
         at(2026, 3, 31, 600), at(2026, 4, 30)},
        {"monthly 31st back to 31 days", RepeatRule::Monthly, QDate(2026, 3, 31),
         at(2026, 4, 30, 600), at(2026, 5, 31)},
        {"monthly 31st into February", RepeatRule::Monthly, QDate(2026, 1, 31),
         at(2026, 1, 31, 600), at(2026, 2, 28)},
        {"monthly 30th into a leap February", RepeatRule::Monthly, QDate(2028, 1, 30),
         at(2028, 1, 30, 600), at(2028, 2, 29)},
        {"monthly 29th in a leap February", RepeatRule::Monthly, QDate(2027, 12, 29),
         at(2028, 1, 29, 600), at(2028, 2, 29)},
        {"monthly 31st after February", RepeatRule::Monthly, QDate(2026, 1, 31),
         at(2026, 2, 28, 600), at(2026, 3, 31)},
        {"monthly over the year's end", RepeatRule::Monthly, QDate(2026, 1, 15),
         at(2026, 12, 15, 600), at(2027, 1, 15)},
        {"monthly, earlier in the month", RepeatRule::Monthly, QDate(2026, 1, 15), at(2026, 6, 2),
         at(2026, 6, 15)},
        {"yearly", RepeatRule::Yearly, QDate(2026, 3, 10), at(2026, 3, 10, 600), at(2027, 3, 10)},
        {"yearly 29 February to 28 February", RepeatRule::Yearly, QDate(2028, 2, 29),
         at(2028, 2, 29, 600), at(2029, 2, 28)},
        {"yearly 28 February back to 29 February", RepeatRule::Yearly, QDate(2028, 2, 29),
         at(2031, 2, 28, 600), at(2032, 2, 29)},
        {"yearly at the year's end", RepeatRule::Yearly, QDate(2026, 12, 31), at(2026, 12, 31, 600),
         at(2027, 12, 31)},
    };
    for (const NextRow& row : rows) {
        const Recurrence recurrence(row.rule, row.anchor, k0800);
        const Moment next = recurrence.nextAfter(row.now);
        EXPECT_EQ(next, row.next) << row.what << ": " << describe(next);
        EXPECT_TRUE(recurrence.isOccurrence(next.day)) << row.what;
        // Nothing the rule picks lies between now and the next occurrence.
        EXPECT_EQ(recurrence.countBetween(row.now, next), 1) << row.what;
    }
}

TEST(Recurrence, OccurrencesMissedOverADowntime) {
    const struct {
        const char* what;
        RepeatRule rule;
        QDate anchor;
        Moment shown;  // the occurrence in the file
        Moment now;    // the start after the downtime
        qint64 missed;
        Moment next;
    } rows[] = {
        {"daily, four days", RepeatRule::Daily, QDate(2026, 3, 1), at(2026, 3, 7),
         at(2026, 3, 10, 600), 4, at(2026, 3, 11)},
        {"daily, back before the day's occurrence", RepeatRule::Daily, QDate(2026, 3, 1),
         at(2026, 3, 7), at(2026, 3, 10, 7 * 60), 3, at(2026, 3, 10)},
        {"daily, back at the occurrence's minute", RepeatRule::Daily, QDate(2026, 3, 1),
         at(2026, 3, 7), at(2026, 3, 10), 4, at(2026, 3, 11)},
        {"daily, only the one shown", RepeatRule::Daily, QDate(2026, 3, 1), at(2026, 3, 7),
         at(2026, 3, 7, 900), 1, at(2026, 3, 8)},
        {"workdays over two weekends", RepeatRule::Workdays, QDate(2026, 3, 2), at(2026, 3, 6),
         at(2026, 3, 17, 600), 8, at(2026, 3, 18)},
        {"weekly over a month", RepeatRule::Weekly, QDate(2026, 3, 4), at(2026, 3, 4),
         at(2026, 4, 2), 5, at(2026, 4, 8)},
        {"monthly 31st over a year", RepeatRule::Monthly, QDate(2026, 1, 31), at(2026, 1, 31),
         at(2027, 1, 30), 12, at(2027, 1, 31)},
        {"yearly 29 February over eight years", RepeatRule::Yearly, QDate(2024, 2, 29),
         at(2024, 2, 29), at(2032, 3, 1), 9, at(2033, 2, 28)},
        {"daily over ten years", RepeatRule::Daily, QDate(2016, 1, 1), at(2016, 1, 1),
         at(2026, 1, 1, 600), 3654, at(2026, 1, 2)},
    };
    for (const auto& row : rows) {
        const Recurrence recurrence(row.rule, row.anchor, k0800);
        EXPECT_EQ(recurrence.missed(row.shown, row.now), row.missed) << row.what;
        EXPECT_EQ(recurrence.nextAfter(row.now), row.next) << row.what;
    }
}

TEST(Recurrence, FirstOccurrenceFromADay) {
    const struct {
        const char* what;
        RepeatRule rule;
        QDate anchor;
        Moment from;
        Moment first;
    } rows[] = {
        {"this very minute", RepeatRule::Daily, QDate(2026, 3, 10), at(2026, 3, 10),
         at(2026, 3, 10)},
        {"a minute late", RepeatRule::Daily, QDate(2026, 3, 10), at(2026, 3, 10, k0800 + 1),
         at(2026, 3, 11)},
        {"workdays set on a Saturday", RepeatRule::Workdays, QDate(2026, 3, 14), at(2026, 3, 14),
         at(2026, 3, 16)},
        {"monthly on the 31st from April", RepeatRule::Monthly, QDate(2026, 1, 31), at(2026, 4, 1),
         at(2026, 4, 30)},
        {"never", RepeatRule::Never, QDate(2026, 3, 10), at(2026, 3, 10), {QDate(), k0800}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Recurrence(row.rule, row.anchor, k0800).firstFrom(row.from), row.first)
            << row.what;
    }
}

// The occurrence keeps its wall-clock time across both changes of Paris's
// summer time: a day of 23 hours in March, one of 25 in October.
TEST(Recurrence, ADaylightSavingChangeKeepsTheWallClockTime) {
    const ZoneGuard paris("Europe/Paris");
    const struct {
        RepeatRule rule;
        QDate anchor;
        QDateTime now;
        QDateTime next;
        qint64 hours;
    } rows[] = {
        {RepeatRule::Daily, QDate(2026, 3, 1), QDateTime(QDate(2026, 3, 28), QTime(8, 0)),
         QDateTime(QDate(2026, 3, 29), QTime(8, 0)), 23},
        {RepeatRule::Daily, QDate(2026, 10, 1), QDateTime(QDate(2026, 10, 24), QTime(8, 0)),
         QDateTime(QDate(2026, 10, 25), QTime(8, 0)), 25},
        {RepeatRule::Weekly, QDate(2026, 3, 22), QDateTime(QDate(2026, 3, 22), QTime(8, 30)),
         QDateTime(QDate(2026, 3, 29), QTime(8, 0)), 7 * 24 - 1},
    };
    for (const auto& row : rows) {
        const QDateTime next = Recurrence(row.rule, row.anchor, k0800).nextAfter(row.now);
        EXPECT_EQ(next, row.next);
        EXPECT_EQ(next.time(), QTime(8, 0));
        EXPECT_EQ(row.now.secsTo(next) / 60, row.hours * 60 - (row.now.time().minute()))
            << row.now.toString(Qt::ISODate).toStdString();
    }
}
