#include <gtest/gtest.h>

#include <QTimer>

#include "FakePlatform.h"
#include "ProgramFolderCopy.h"
#include "TempFolder.h"
#include "TodaysReminder.h"
#include "WaitingLoop.h"
#include "app/ChronidexApp.h"

// In view, where the platform can paint the clock window from a ticker of
// its own, the hands move there and the program sleeps until its due checks
// or the day change want it; wherever that cannot be, the face ticks as
// before.
namespace {

class FaceThreadTest : public ::testing::Test {
  protected:
    FaceThreadTest() {
        copySuppliedFolder(folder);
        platform.desktop = QRect(0, 0, 1280, 1024);
        platform.clock = QDateTime(QDate(2026, 3, 10), QTime(10, 0, 0, 500));
        platform.hasTicker = true;
    }

    void addReminder(const QTime& at, const QString& text) {
        ::addReminder(folder, platform.clock.date(), at, text);
    }

    // Started, the start-up sound over, the first tick past.
    bool start() {
        if (!app.start(folder.root())) {
            return false;
        }
        platform.sound.finish();
        runEventsUntil([&] { return platform.ticker.running(); });
        runEventsFor(300);  // the first readings of the schedule
        return true;
    }

    TempFolder folder;
    FakePlatform platform;
    ChronidexApp app{platform};
};

struct TickerRow {
    const char* name;
    bool ticker;
    bool refuses;
    bool alarm;
    bool handsOnTicker;  // else the face's own tick runs
};

}  // namespace

TEST_F(FaceThreadTest, InViewTheTickerMovesTheHandsWhereverThePlatformCan) {
    const TickerRow rows[] = {
        {"a ticker that takes the window", true, false, true, true},
        {"a ticker that refuses the window", true, true, true, false},
        {"no ticker", false, false, true, false},
        {"a ticker but no wall-clock alarm to wake for the checks", true, false, false, false},
    };
    for (const TickerRow& row : rows) {
        SCOPED_TRACE(row.name);
        TempFolder rowFolder;
        copySuppliedFolder(rowFolder);
        FakePlatform rowPlatform;
        rowPlatform.desktop = QRect(0, 0, 1280, 1024);
        rowPlatform.clock = QDateTime(QDate(2026, 3, 10), QTime(10, 0, 0, 500));
        rowPlatform.hasTicker = row.ticker;
        rowPlatform.ticker.refuses = row.refuses;
        rowPlatform.hasAlarm = row.alarm;
        ChronidexApp rowApp(rowPlatform);
        ASSERT_TRUE(rowApp.start(rowFolder.root()));
        rowPlatform.sound.finish();
        runEventsUntil([&] {
            return rowPlatform.ticker.running() == row.handsOnTicker &&
                   rowApp.timers().faceTick.isActive() != row.handsOnTicker;
        });
        EXPECT_EQ(rowPlatform.ticker.running(), row.handsOnTicker);
        EXPECT_EQ(rowApp.timers().faceTick.isActive(), !row.handsOnTicker);
        if (row.handsOnTicker) {
            EXPECT_EQ(rowPlatform.ticker.window, &rowApp.clock());
            // Each second moves the second hand: something is put.
            EXPECT_GT(rowPlatform.ticker.tick(QTime(10, 0, 1)), 0);
            EXPECT_GT(rowPlatform.ticker.tick(QTime(10, 0, 2)), 0);
            EXPECT_EQ(rowPlatform.ticker.tick(QTime(10, 0, 2)), 0);
        }
        rowApp.clock().close();
    }
}

TEST_F(FaceThreadTest, AReminderInViewIsAnnouncedAtItsMinuteWhileTheTickerHasTheHands) {
    addReminder(QTime(10, 7), QStringLiteral("в 10:07"));
    ASSERT_TRUE(start());
    ASSERT_TRUE(platform.ticker.running());
    EXPECT_FALSE(app.timers().faceTick.isActive());
    // The start's own readings of the schedule come first, each at the next
    // second; then nothing until the reminder's minute.
    const QDateTime due(platform.clock.date(), QTime(10, 7));
    for (int i = 0; i < 4 && platform.alarm.setFor < due; ++i) {
        ASSERT_LE(platform.alarm.setFor, platform.clock.addSecs(1));
        platform.clock = platform.alarm.setFor;
        platform.alarm.ring();
        runEventsFor(50);
    }
    ASSERT_EQ(platform.alarm.setFor, due);
    EXPECT_TRUE(platform.messages.isEmpty());
    platform.clock = due;
    platform.alarm.ring();
    runEventsFor(100);
    EXPECT_EQ(platform.messages, QStringList{QStringLiteral("в 10:07")});
    EXPECT_TRUE(runEventsUntil([&] { return platform.ticker.running(); }));
}

// Qt paints the window from its own copy of the face: the ticker stops for
// it, and takes the face again, as painted then, afterwards.
TEST_F(FaceThreadTest, APaintOfQtsTakesTheFaceBackAndTheTickerResumesAfterIt) {
    ASSERT_TRUE(start());
    ASSERT_TRUE(platform.ticker.running());
    const int starts = platform.ticker.starts;
    platform.clock = platform.clock.addSecs(30);
    app.clock().update();
    EXPECT_TRUE(runEventsUntil([&] { return platform.ticker.starts > starts; }));
    EXPECT_TRUE(platform.ticker.running());
    // The face it took is the present one: the second it was painted at moves nothing.
    EXPECT_EQ(platform.ticker.tick(platform.clock.time()), 0);
}

TEST_F(FaceThreadTest, SlidAwayTheTickerStopsAndBackInViewItTakesTheHandsAgain) {
    ASSERT_TRUE(start());
    ASSERT_TRUE(platform.ticker.running());
    app.pullTab()->clicked();
    ASSERT_TRUE(runEventsUntil([&] { return !app.timers().slideAway.isActive(); }));
    EXPECT_TRUE(runEventsUntil([&] { return !platform.ticker.running(); }));
    EXPECT_FALSE(app.timers().faceTick.isActive());  // asleep, as away
    app.pullTab()->clicked();
    ASSERT_TRUE(runEventsUntil([&] { return !app.timers().slideBack.isActive(); }));
    EXPECT_TRUE(runEventsUntil([&] { return platform.ticker.running(); }));
    EXPECT_FALSE(app.timers().faceTick.isActive());
}
