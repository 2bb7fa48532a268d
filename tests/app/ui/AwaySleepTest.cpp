#include <gtest/gtest.h>

#include <QTimer>

#include "FakePlatform.h"
#include "ProgramFolderCopy.h"
#include "TempFolder.h"
#include "TodaysReminder.h"
#include "WaitingLoop.h"
#include "app/ChronidexApp.h"

// Slid away, the program does not tick every second: it sleeps until the
// platform's wall-clock alarm rings, set for the next moment it has
// something to do; the alarm also rings when the wall clock is set.
namespace {

class AwaySleepTest : public ::testing::Test {
  protected:
    AwaySleepTest() {
        copySuppliedFolder(folder);
        platform.desktop = QRect(0, 0, 1280, 1024);
        platform.clock = QDateTime(QDate(2026, 3, 10), QTime(10, 0, 0, 500));
    }

    void addReminder(const QTime& at, const QString& text) {
        ::addReminder(folder, platform.clock.date(), at, text);
    }

    // Lets every queued check run and the program settle before it waits.
    static void settle() { runEventsFor(50); }

    // Starts the clock, lets its first tick load the schedule, and slides it
    // away by the tab; true once it sleeps.
    bool startAndSlideAway() {
        if (!app.start(folder.root())) {
            return false;
        }
        platform.sound.finish();  // the start-up sound
        QObject::connect(&app.timers().faceTick, &QTimer::timeout, [this] { ++faceTicks; });
        if (!runEventsUntil([&] { return faceTicks > 0; })) {
            return false;
        }
        app.pullTab()->clicked();
        if (!runEventsUntil([&] { return !app.timers().slideAway.isActive(); })) {
            return false;
        }
        // The face's next tick finds the clock away and leaves the rest to the alarm.
        const bool slept = runEventsUntil([&] { return !app.timers().faceTick.isActive(); });
        settle();
        return slept;
    }

    // The alarm rings at the moment it was set for.
    void ringAtItsMoment() {
        ASSERT_TRUE(platform.alarm.setFor.isValid());
        platform.clock = platform.alarm.setFor;
        platform.alarm.ring();
        settle();
    }

    // Rings the alarm at each moment it is set for before `until`: the
    // readings of the file that the program's own changes to it ask for,
    // each at the next second. False when one of them is not that.
    bool ringReadingsBefore(const QDateTime& until) {
        for (int i = 0; i < 3 && platform.alarm.setFor < until; ++i) {
            if (platform.alarm.setFor > platform.clock.addSecs(1)) {
                return false;
            }
            ringAtItsMoment();
        }
        return platform.alarm.setFor >= until;
    }

    TempFolder folder;
    FakePlatform platform;
    ChronidexApp app{platform};
    int faceTicks = 0;
};

}  // namespace

TEST_F(AwaySleepTest, AReminderDueWhileAwayIsAnnouncedAtTheFirstMomentOfItsMinute) {
    addReminder(QTime(10, 7), QStringLiteral("в 10:07"));
    ASSERT_TRUE(startAndSlideAway());
    EXPECT_EQ(platform.alarm.setFor, QDateTime(platform.clock.date(), QTime(10, 7)));
    const int ticks = faceTicks;
    ringAtItsMoment();
    EXPECT_EQ(platform.messages, QStringList{QStringLiteral("в 10:07")});
    EXPECT_EQ(faceTicks, ticks);  // no tick of the face in between
    EXPECT_FALSE(app.timers().faceTick.isActive());
    // The removal asks for a reload, at the next second; then the program
    // sleeps until the nightly restart.
    const QDateTime midnight(QDate(2026, 3, 11), QTime(0, 0));
    EXPECT_TRUE(ringReadingsBefore(midnight));
    EXPECT_EQ(platform.alarm.setFor, midnight);
    EXPECT_EQ(platform.messages.size(), 1);
}

TEST_F(AwaySleepTest, TheWallClockSetForwardReportsWhatWasSkippedAndWaitsForWhatComes) {
    addReminder(QTime(10, 7), QStringLiteral("пропущено"));
    addReminder(QTime(11, 0), QStringLiteral("позже"));
    ASSERT_TRUE(startAndSlideAway());
    ASSERT_EQ(platform.alarm.setFor, QDateTime(platform.clock.date(), QTime(10, 7)));
    platform.clock = QDateTime(platform.clock.date(), QTime(10, 30, 15));
    platform.alarm.ring();  // the kernel tells that the wall clock was set
    settle();
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.messages[0].endsWith(QStringLiteral("пропущено")));
    const QDateTime later(platform.clock.date(), QTime(11, 0));
    EXPECT_TRUE(ringReadingsBefore(later));
    EXPECT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.alarm.setFor, later);
    ringAtItsMoment();
    EXPECT_EQ(platform.messages.last(), QStringLiteral("позже"));
}

TEST_F(AwaySleepTest, TheDayChangeRestartsAtMidnight) {
    ASSERT_TRUE(startAndSlideAway());
    EXPECT_EQ(platform.alarm.setFor, QDateTime(QDate(2026, 3, 11), QTime(0, 0)));
    int finished = 0;
    QObject::connect(&app, &ChronidexApp::finished, [&] { ++finished; });
    ringAtItsMoment();
    EXPECT_EQ(platform.started.size(), 1);
    EXPECT_EQ(finished, 1);
}

// A reminder written by another program, which asks the clock to read its
// schedule again: the reload is due at once, the reminder at its minute.
TEST_F(AwaySleepTest, AReloadAskedForWhileAwayIsDoneAtTheNextSecond) {
    ASSERT_TRUE(startAndSlideAway());
    addReminder(QTime(10, 20), QStringLiteral("добавлено"));
    ASSERT_TRUE(platform.marker.reload);
    platform.marker.reload(QStringLiteral("reminders"));
    settle();
    EXPECT_EQ(platform.alarm.setFor, QDateTime(platform.clock.date(), QTime(10, 0, 1)));
    ringAtItsMoment();
    EXPECT_EQ(platform.alarm.setFor, QDateTime(platform.clock.date(), QTime(10, 20)));
    ringAtItsMoment();
    EXPECT_EQ(platform.messages, QStringList{QStringLiteral("добавлено")});
}

TEST_F(AwaySleepTest, BackInViewTheFaceTicksAgainAndTheAlarmIsOff) {
    ASSERT_TRUE(startAndSlideAway());
    ASSERT_TRUE(platform.alarm.setFor.isValid());
    app.pullTab()->clicked();
    ASSERT_TRUE(runEventsUntil([&] { return !app.timers().slideBack.isActive(); }));
    EXPECT_TRUE(app.timers().faceTick.isActive());
    EXPECT_FALSE(platform.alarm.setFor.isValid());
}

// Without an alarm of the platform's the clock keeps its tick while away.
TEST_F(AwaySleepTest, WithoutAnAlarmTheFaceTickGoesOn) {
    platform.hasAlarm = false;
    ASSERT_TRUE(app.start(folder.root()));
    app.pullTab()->clicked();
    ASSERT_TRUE(runEventsUntil([&] { return !app.timers().slideAway.isActive(); }));
    QObject::connect(&app.timers().faceTick, &QTimer::timeout, [this] { ++faceTicks; });
    ASSERT_TRUE(runEventsUntil([&] { return faceTicks > 0; }));
    EXPECT_TRUE(app.timers().faceTick.isActive());
}
