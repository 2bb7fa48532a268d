#include <time.h>

#include "DueCheckFixture.h"

namespace {

// Runs the tests of this file in a time zone with daylight saving.
class ClockJump : public DueCheckFixture {
  protected:
    static void SetUpTestSuite() {
        saved_ = qgetenv("TZ");
        hadTz_ = qEnvironmentVariableIsSet("TZ");
        qputenv("TZ", "Europe/Berlin");
        tzset();
    }
    static void TearDownTestSuite() {
        if (hadTz_) {
            qputenv("TZ", saved_);
        } else {
            qunsetenv("TZ");
        }
        tzset();
    }
    // Ticks both checks once a second from the clock's time for `seconds`.
    void tickFor(int seconds) {
        for (int i = 0; i < seconds; ++i) {
            reminders.reminderTick();
            launches.launchTick();
            platform.clock = platform.clock.addSecs(1);
        }
    }

    static inline QByteArray saved_;
    static inline bool hadTz_ = false;
};

}  // namespace

TEST_F(ClockJump, AForwardJumpReportsTheSkippedMinutesAtOnce) {
    addReminder(today(), "10:30", QStringLiteral("во время сна"));
    at(10, 29, 58);
    tickFor(2);
    EXPECT_TRUE(platform.messages.isEmpty());
    at(10, 35, 0);  // suspended at 10:29:59, woken at 10:35
    reminders.reminderTick();
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.messages[0].startsWith(QStringLiteral("Просрочено напоминание\r")));
    EXPECT_TRUE(platform.sound.log.isEmpty());
    EXPECT_EQ(remindersInFile(), 0);
}

TEST_F(ClockJump, TicksAMinuteApartSkipNothingAndReloadNothing) {
    at(10, 29, 59);
    reminders.reminderTick();
    at(10, 30, 59);  // a slow tick, but 10:30 was seen
    addReminder(today(), "10:31", QStringLiteral("ещё не время"));
    reminders.reminderTick();
    EXPECT_FALSE(state.reloadReminders);
    EXPECT_TRUE(platform.messages.isEmpty());
}

TEST_F(ClockJump, TheDaylightSavingGapIsReportedAsOverdue) {
    // 29 March 2026: at 02:00 local time the clocks go to 03:00.
    platform.clock = QDateTime(QDate(2026, 3, 29), QTime(1, 59, 58));
    addReminder(today(), "02:30", QStringLiteral("в пропавший час"));
    addLaunch(today(), "02:15", folder.path(QStringLiteral("program")));
    tickFor(2);
    ASSERT_EQ(platform.clock.time(), QTime(3, 0, 0));
    EXPECT_TRUE(platform.messages.isEmpty());
    reminders.reminderTick();
    launches.launchTick();
    ASSERT_EQ(platform.messages.size(), 2);
    EXPECT_TRUE(platform.messages[0].endsWith(QStringLiteral(" в 02:30\rв пропавший час")));
    EXPECT_TRUE(platform.messages[1].startsWith(QStringLiteral("Просрочен запуск\r")));
    EXPECT_TRUE(platform.opened.isEmpty());  // overdue launches are never started
}

TEST_F(ClockJump, TheRepeatedHourAnnouncesNothingTwice) {
    // 25 October 2026: at 03:00 local time the clocks go back to 02:00.
    // 00:29:50 UTC is the first 02:29:50, still in summer time.
    platform.clock = QDateTime(QDate(2026, 10, 25), QTime(0, 29, 50), Qt::UTC).toLocalTime();
    ASSERT_EQ(platform.clock.time(), QTime(2, 29, 50));
    addReminder(today(), "02:30", QStringLiteral("однажды"));
    tickFor(3600 + 60);  // through both 02:30s
    EXPECT_EQ(platform.messages, QStringList{QStringLiteral("однажды")});
    EXPECT_EQ(platform.clock.time().hour(), 2);
}

TEST_F(ClockJump, SettingTheClockBackFiresNothingTwice) {
    addReminder(today(), "10:20", QStringLiteral("просрочено"));
    at(10, 45, 0);
    reminders.reminderTick();
    EXPECT_EQ(platform.messages.size(), 1);
    // The reported entry stays in the list loaded at 10:45 until the next
    // reload; going back to its minute must not announce it once more.
    at(10, 20, 0);
    reminders.reminderTick();
    EXPECT_FALSE(state.reloadReminders);  // a backward jump skips nothing
    EXPECT_EQ(platform.messages.size(), 1);
}

TEST_F(ClockJump, AMinutePassedDuringAnOverdueNoticeIsReportedNext) {
    addReminder(today(), "10:47", QStringLiteral("под уведомлением"));
    addReminder(today(), "10:30", QStringLiteral("просрочено"));
    at(10, 45);
    platform.onMessage = [&](const QString&) { at(10, 50); };  // read for five minutes
    reminders.reminderTick();
    ASSERT_EQ(platform.messages.size(), 1);
    at(10, 50, 1);
    reminders.reminderTick();
    ASSERT_EQ(platform.messages.size(), 2);
    EXPECT_TRUE(platform.messages[1].endsWith(QStringLiteral(" в 10:47\rпод уведомлением")));
}
