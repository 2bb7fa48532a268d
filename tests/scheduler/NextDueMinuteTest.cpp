#include "BerlinClockFixture.h"

// A program that sleeps between the moments its due checks ask for, instead
// of ticking them every second, announces the same entries at the same
// minutes: each check tells the next minute it has something to do.
namespace {

class NextDueMinute : public BerlinClockFixture {
  protected:
    qint64 next() const { return std::min(reminders.nextDueMinute(), launches.nextDueMinute()); }
    // Ticks, then sleeps to the moment the checks ask for, `wakes` times at
    // most or until nothing waits; how many ticks it took.
    int sleepAndWake(int wakes) {
        for (int tick = 1; tick <= wakes; ++tick) {
            this->tick();
            const qint64 minute = next();
            if (minute == DueCheck::kNeverDue) {
                return tick;
            }
            if (minute == DueCheck::kDueNow) {
                platform.clock = platform.clock.addSecs(1);
                continue;
            }
            EXPECT_GT(minute, wallMinute()) << "a minute already walked";
            const int ofDay = int(minute % 1440);
            platform.clock =
                QDateTime(QDate::fromJulianDay(minute / 1440), QTime(ofDay / 60, ofDay % 60));
        }
        return wakes;
    }
    qint64 wallMinute() const {
        const QTime t = platform.clock.time();
        return platform.clock.date().toJulianDay() * 1440 + t.hour() * 60 + t.minute();
    }
};

}  // namespace

TEST_F(NextDueMinute, WakingOnlyWhenAskedAnnouncesEveryEntryAtItsMinute) {
    const QDate day = today();
    addBoth(day, "10:30", QStringLiteral("первая"));
    addBoth(day, "10:30", QStringLiteral("вторая"));
    addBoth(day, "10:31", QStringLiteral("следом"));
    addBoth(day, "23:59", QStringLiteral("вечером"));
    addBoth(day.addDays(1), "00:05", QStringLiteral("завтра"));
    addReminder(day.addDays(2), "bad", QStringLiteral("никогда"));  // never due
    at(10, 0, 0);
    // Each entry's minute, and the reloads its removal asks for.
    EXPECT_LE(sleepAndWake(40), 20);
    const QStringList all =
        times({"10:30 первая", "10:30 вторая", "10:31 следом", "23:59 вечером", "00:05 завтра"});
    EXPECT_EQ(firedReminders(), all);
    EXPECT_EQ(startedLaunches(), all);
    EXPECT_TRUE(overdueReminders().isEmpty());
    EXPECT_EQ(remindersInFile(), 1);
}

// A reload is asked for (an editor closed, another program wrote the file):
// the next tick is due at once, and reads what was added.
TEST_F(NextDueMinute, AReloadAskedForIsDueAtOnce) {
    at(10, 0, 0);
    tick();
    EXPECT_EQ(next(), DueCheck::kNeverDue);
    addReminder(today(), "11:00", QStringLiteral("добавлено"));
    state.reloadReminders = true;
    EXPECT_EQ(reminders.nextDueMinute(), DueCheck::kDueNow);
    at(10, 0, 1);
    tick();
    EXPECT_EQ(next(), today().toJulianDay() * 1440 + 11 * 60);
}

// A notice of an overdue entry kept the tick waiting past the minute of
// another entry: that one is looked at by the next tick, at once.
TEST_F(NextDueMinute, MinutesANoticeKeptTheTickFromAreDueAtOnce) {
    addReminder(today(), "10:47", QStringLiteral("под уведомлением"));
    addReminder(today(), "10:30", QStringLiteral("просрочено"));
    at(10, 45);
    platform.onMessage = [&](const QString&) {
        platform.onMessage = {};
        at(10, 50);
    };
    reminders.reminderTick();
    EXPECT_EQ(reminders.nextDueMinute(), DueCheck::kDueNow);
    at(10, 50, 1);
    reminders.reminderTick();
    ASSERT_EQ(platform.messages.size(), 2);
    EXPECT_TRUE(platform.messages[1].endsWith(QStringLiteral("под уведомлением")));
}
