#include "BerlinClockFixture.h"

// The clock set forward by a minute, an hour or a day (or woken from a
// suspend that long), and set back: what fell in the skipped span is
// reported once as overdue, the landing minute fires as usual, later entries
// fire at their minute, and nothing comes twice.

namespace {

class ClockJumpSpan : public BerlinClockFixture {
  protected:
    // Ticks a second at a time up to and including `h:m:s` of `day`.
    void tickUntil(const QDate& day, int h, int m, int s = 0) {
        const QDateTime end(day, QTime(h, m, s));
        while (platform.clock <= end) {
            tickFor(1);
        }
    }
    void expectNothingLeft() {
        EXPECT_EQ(remindersInFile(), 0);
        EXPECT_EQ(launchesInFile(), 0);
    }
};

}  // namespace

TEST_F(ClockJumpSpan, AMinuteSkippedIsOverdueAndTheLandingMinuteFires) {
    addBoth(today(), "10:30", QStringLiteral("пропущена"));
    addBoth(today(), "10:31", QStringLiteral("вовремя"));
    addBoth(today(), "10:32", QStringLiteral("позже"));
    at(10, 29, 58);
    tickFor(2);
    at(10, 31, 0);  // 10:30 was never seen
    tickUntil(today(), 10, 33);
    EXPECT_EQ(overdueReminders(), times({"10:30 пропущена"}));
    EXPECT_EQ(overdueLaunches(), times({"10:30 пропущена"}));
    EXPECT_EQ(firedReminders(), times({"10:31 вовремя", "10:32 позже"}));
    EXPECT_EQ(startedLaunches(), times({"10:31 вовремя", "10:32 позже"}));
    expectNothingLeft();
}

TEST_F(ClockJumpSpan, AnHourSkippedReportsEachEntryOfItOnceInFileOrder) {
    addBoth(today(), "11:29", QStringLiteral("последняя"));
    addBoth(today(), "10:30", QStringLiteral("первая"));
    addBoth(today(), "11:00", QStringLiteral("средняя"));
    addBoth(today(), "11:30", QStringLiteral("посадка"));
    addBoth(today(), "12:00", QStringLiteral("полдень"));
    at(10, 29, 59);
    tick();
    at(11, 30, 0);
    tickUntil(today(), 11, 31);
    at(11, 59, 59);  // the next hour passes unwatched too, up to just before noon
    tickUntil(today(), 12, 1);
    const QStringList skipped = times({"11:29 последняя", "10:30 первая", "11:00 средняя"});
    EXPECT_EQ(overdueReminders(), skipped);
    EXPECT_EQ(overdueLaunches(), skipped);
    EXPECT_EQ(firedReminders(), times({"11:30 посадка", "12:00 полдень"}));
    EXPECT_EQ(startedLaunches(), times({"11:30 посадка", "12:00 полдень"}));
    expectNothingLeft();
}

TEST_F(ClockJumpSpan, ADaySkippedReportsYesterdaysRestAndTodaysPastOnly) {
    const QDate yesterday = today();
    const QDate next = yesterday.addDays(1);
    addBoth(yesterday, "10:30", QStringLiteral("вчера"));
    addBoth(yesterday, "23:59", QStringLiteral("вечером"));
    addBoth(next, "00:00", QStringLiteral("в полночь"));
    addBoth(next, "10:31", QStringLiteral("сегодня"));
    addBoth(next, "10:32", QStringLiteral("затем"));
    addBoth(next.addDays(1), "10:29", QStringLiteral("завтра"));
    at(10, 29, 59);
    tick();
    platform.clock = QDateTime(next, QTime(10, 31, 0));
    tickUntil(next, 10, 33);
    const QStringList skipped = times({"10:30 вчера", "23:59 вечером", "00:00 в полночь"});
    EXPECT_EQ(overdueReminders(), skipped);
    EXPECT_EQ(overdueLaunches(), skipped);
    EXPECT_EQ(firedReminders(), times({"10:31 сегодня", "10:32 затем"}));
    EXPECT_EQ(startedLaunches(), times({"10:31 сегодня", "10:32 затем"}));
    EXPECT_EQ(remindersInFile(), 1);  // tomorrow's is still to come
    EXPECT_EQ(launchesInFile(), 1);
}

TEST_F(ClockJumpSpan, SetBackFiresNothingAgainAndLaterEntriesStillFire) {
    addBoth(today(), "10:20", QStringLiteral("раньше"));
    addBoth(today(), "10:50", QStringLiteral("позже"));
    at(10, 19, 59);
    tickUntil(today(), 10, 21);
    at(10, 10, 0);  // set back by eleven minutes: 10:20 comes round again
    tickUntil(today(), 10, 51);
    EXPECT_TRUE(overdueReminders().isEmpty());
    EXPECT_TRUE(overdueLaunches().isEmpty());
    EXPECT_EQ(firedReminders(), times({"10:20 раньше", "10:50 позже"}));
    EXPECT_EQ(startedLaunches(), times({"10:20 раньше", "10:50 позже"}));
    expectNothingLeft();
}

TEST_F(ClockJumpSpan, SetBackOverMidnightFiresYesterdaysLateEntryOnce) {
    const QDate first = today();
    addBoth(first, "23:59", QStringLiteral("поздно"));
    addBoth(first.addDays(1), "00:01", QStringLiteral("рано"));
    platform.clock = QDateTime(first, QTime(23, 58, 59));
    tickUntil(first.addDays(1), 0, 0, 30);
    platform.clock = QDateTime(first, QTime(23, 59, 30));  // back over midnight
    tickUntil(first.addDays(1), 0, 2);
    EXPECT_TRUE(overdueReminders().isEmpty());
    EXPECT_EQ(firedReminders(), times({"23:59 поздно", "00:01 рано"}));
    EXPECT_EQ(startedLaunches(), times({"23:59 поздно", "00:01 рано"}));
    expectNothingLeft();
}
