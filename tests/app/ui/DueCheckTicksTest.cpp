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

// What a sleeping program waits for: the earliest minute a check that is
// switched on and idle asks for. A check asked for in this second, or
// running, is left out until it has run: it then asks anew.
TEST(DueCheckTicksNext, TheEarliestMinuteOfTheChecksThatCanRun) {
    struct Case {
        const char* name;
        qint64 reminders, launches;  // what each check asks for
        bool launchesOn;
        bool tickAsked;  // a second tick has asked for both, not yet run
        qint64 expected;
    };
    const qint64 never = DueCheckTicks::kNeverDue;
    for (const Case& c : {Case{"earliest of both", 700, 650, true, false, 650},
                          Case{"one waits for nothing", never, 650, true, false, 650},
                          Case{"a reload due now", DueCheckTicks::kDueNow, 650, true, false,
                               DueCheckTicks::kDueNow},
                          Case{"a check switched off", 700, 650, false, false, 700},
                          Case{"nothing waits", never, never, true, false, never},
                          Case{"asked for, not yet run", 700, 650, true, true, never}}) {
        FlagSwitch reminders, launches;
        reminders.enable();
        if (c.launchesOn) {
            launches.enable();
        }
        DueCheckTicks ticks;
        ticks.addCheck(
            reminders, [] {}, [&] { return c.reminders; });
        ticks.addCheck(
            launches, [] {}, [&] { return c.launches; });
        if (c.tickAsked) {
            ticks.secondTick(QDateTime(QDate(2026, 3, 10), QTime(10, 0)));
        }
        EXPECT_EQ(ticks.nextDueMinute(), c.expected) << c.name;
        QCoreApplication::processEvents();  // the asked-for runs, whichever case
    }
}
