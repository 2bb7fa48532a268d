#include "BerlinClockFixture.h"

// The two daylight-saving changes of 2026 in Europe/Berlin, crossed by the
// fake clock a second at a time: in the gap of 29 March the wall clock goes
// from 01:59:59 to 03:00:00, in the overlap of 25 October it shows 02:00 to
// 02:59 twice. No entry is lost and none fires twice, for reminders and
// launches alike.

namespace {

class DaylightSaving : public BerlinClockFixture {
  protected:
    // Ticks a second at a time until the UTC moment `end` has been ticked.
    void tickUntilUtc(const QDateTime& end) {
        while (platform.clock <= end) {
            tickFor(1);
        }
    }
    static QDateTime utc(int month, int day, int h, int m, int s = 0) {
        return QDateTime(QDate(2026, month, day), QTime(h, m, s), Qt::UTC);
    }
};

}  // namespace

TEST_F(DaylightSaving, TheSkippedHourIsReportedOnceAndTheHoursAroundItFire) {
    const QDate day(2026, 3, 29);
    addBoth(day, "01:59", QStringLiteral("до"));
    addBoth(day, "02:00", QStringLiteral("начало разрыва"));
    addBoth(day, "02:30", QStringLiteral("в разрыве"));
    addBoth(day, "02:59", QStringLiteral("конец разрыва"));
    addBoth(day, "03:00", QStringLiteral("после"));
    addBoth(day, "03:01", QStringLiteral("затем"));
    platform.clock = QDateTime(day, QTime(1, 58, 58));
    ASSERT_EQ(platform.clock.offsetFromUtc(), 3600);
    tickUntilUtc(utc(3, 29, 0, 59, 59));  // 01:59:59 winter time
    ASSERT_EQ(platform.clock.time(), QTime(3, 0, 0));
    ASSERT_EQ(platform.clock.offsetFromUtc(), 7200);
    tickUntilUtc(utc(3, 29, 1, 2));  // 03:02 summer time
    const QStringList gap =
        times({"02:00 начало разрыва", "02:30 в разрыве", "02:59 конец разрыва"});
    EXPECT_EQ(overdueReminders(), gap);
    EXPECT_EQ(overdueLaunches(), gap);  // an overdue launch is reported, never started
    const QStringList fired = times({"01:59 до", "03:00 после", "03:01 затем"});
    EXPECT_EQ(firedReminders(), fired);
    EXPECT_EQ(startedLaunches(), fired);
    EXPECT_EQ(remindersInFile(), 0);
    EXPECT_EQ(launchesInFile(), 0);
}

TEST_F(DaylightSaving, TheRepeatedHourFiresItsEntriesOnceAndOneAddedInItsSecondPass) {
    const QDate day(2026, 10, 25);
    addBoth(day, "01:59", QStringLiteral("до"));
    addBoth(day, "02:00", QStringLiteral("начало"));
    addBoth(day, "02:30", QStringLiteral("середина"));
    addBoth(day, "02:59", QStringLiteral("конец"));
    addBoth(day, "03:00", QStringLiteral("после"));
    addBoth(day, "03:30", QStringLiteral("позже"));
    platform.clock = utc(10, 24, 23, 58, 50).toLocalTime();  // 01:58:50 summer time
    ASSERT_EQ(platform.clock.time(), QTime(1, 58, 50));
    // The second 02:15, in winter time: the first pass has fired its three.
    tickUntilUtc(utc(10, 25, 1, 14, 59));
    ASSERT_EQ(platform.clock.time(), QTime(2, 15, 0));
    ASSERT_EQ(platform.clock.offsetFromUtc(), 3600);
    EXPECT_EQ(firedReminders(),
              times({"01:59 до", "02:00 начало", "02:30 середина", "02:59 конец"}));
    addBoth(day, "02:45", QStringLiteral("во втором часе"));
    state.reloadReminders = state.reloadLaunches = true;  // as the editors ask
    tickUntilUtc(utc(10, 25, 2, 31));                     // 03:31 winter time
    const QStringList fired = times({"01:59 до", "02:00 начало", "02:30 середина", "02:59 конец",
                                     "02:45 во втором часе", "03:00 после", "03:30 позже"});
    EXPECT_EQ(firedReminders(), fired);
    EXPECT_EQ(startedLaunches(), fired);
    EXPECT_TRUE(overdueReminders().isEmpty());
    EXPECT_TRUE(overdueLaunches().isEmpty());
    EXPECT_EQ(remindersInFile(), 0);
    EXPECT_EQ(launchesInFile(), 0);
}
