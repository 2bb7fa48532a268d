#include <gtest/gtest.h>

#include <QCoreApplication>

#include "FakePlatform.h"
#include "app/DueCheckTicks.h"
#include "state/FlagSwitch.h"

namespace {

class DueCheckTicksTest : public ::testing::Test {
  protected:
    DueCheckTicksTest() {
        reminders.enable();
        launches.enable();
        ticks.addCheck(reminders, [this] { reminderTick(); });
        ticks.addCheck(launches, [this] { log << QStringLiteral("launches"); });
    }

    // A face tick at the platform's time, and what it queued.
    void faceTick() {
        ticks.secondTick(platform.now());
        QCoreApplication::processEvents();
    }

    void reminderTick() {
        log << QStringLiteral("reminders");
        if (onReminders) {
            onReminders();
        }
    }

    FakePlatform platform;
    FlagSwitch reminders, launches;
    DueCheckTicks ticks;
    QStringList log;
    std::function<void()> onReminders;
};

}  // namespace

TEST_F(DueCheckTicksTest, EachCheckRunsOnceASecondAfterTheTickAndOnlyWhileSwitchedOn) {
    ticks.secondTick(platform.now());
    EXPECT_TRUE(log.isEmpty());  // not inside the face's tick
    QCoreApplication::processEvents();
    EXPECT_EQ(log, (QStringList{"reminders", "launches"}));
    // The face looks ten times a second while a sound plays: the checks not.
    platform.clock = platform.clock.addMSecs(100);
    faceTick();
    EXPECT_EQ(log.size(), 2);
    launches.disable();
    platform.clock = platform.clock.addSecs(1);
    faceTick();
    EXPECT_EQ(log, (QStringList{"reminders", "launches", "reminders"}));
    // A clock set back still gets its checks, in every second it shows.
    platform.clock = platform.clock.addSecs(-3600);
    faceTick();
    EXPECT_EQ(log.size(), 4);
}

// A check waiting on a notice runs the notice's own event loop: the face goes
// on ticking there, and the other check with it, but the waiting one is not
// started again inside itself.
TEST_F(DueCheckTicksTest, ACheckWaitingOnANoticeIsNotStartedAgainFromItsLoop) {
    int nested = 0;
    onReminders = [&] {
        if (nested++ == 0) {
            for (int second = 1; second <= 2; ++second) {
                platform.clock = platform.clock.addSecs(1);
                faceTick();
            }
        }
    };
    faceTick();
    EXPECT_EQ(nested, 1);
    // The first launches check was already queued; one more for each second.
    EXPECT_EQ(log, (QStringList{"reminders", "launches", "launches", "launches"}));
    platform.clock = platform.clock.addSecs(1);
    faceTick();
    EXPECT_EQ(log.count(QStringLiteral("reminders")), 2);
}
