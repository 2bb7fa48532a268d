#include "BerlinClockFixture.h"

namespace {
using ClockJump = BerlinClockFixture;
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
