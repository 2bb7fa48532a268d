#include <gtest/gtest.h>

#include "FakePlatform.h"
#include "FakeTimer.h"
#include "TempFolder.h"
#include "app/ClockStartup.h"

namespace {

// A program folder after a crash during saves: scratch files beside the
// settings, a holiday file, the reminders and the autostart entry.
class StartupLeftovers : public ::testing::Test {
  protected:
    StartupLeftovers() {
        stored = SettingsRecord::defaults().bytes();
        folder.write(QStringLiteral("system/system.ini"), stored);
        folder.write(QStringLiteral("prazdniki/1.prz"), "1\r\n");
        QDir(folder.root()).mkpath(QStringLiteral("autostart"));
        platform.autostart = folder.path(QStringLiteral("autostart"));
        folder.write(QStringLiteral("autostart/other.desktop.aBcDeF"), "not ours");
        for (const QString& name : kLeftovers) {
            folder.write(name, "half");
        }
        folder.write(QStringLiteral("system/system.ini.backup1"), "mine");
    }
    void setRestartFlag() {
        stored[56] = 1;
        folder.write(QStringLiteral("system/system.ini"), stored);
    }
    int leftoversThere() const {
        int n = 0;
        for (const QString& name : kLeftovers) {
            n += folder.exists(name) ? 1 : 0;
        }
        return n;
    }

    const QStringList kLeftovers{QStringLiteral("system/system.ini.aBcDeF"),
                                 QStringLiteral("prazdniki/1.prz.QwErTy"),
                                 QStringLiteral("prazdniki/12.prz.zzzzzz"),
                                 QStringLiteral("system/nappr.dat"),
                                 QStringLiteral("system/runpr.dat"),
                                 QStringLiteral("autostart/chronidex autorun.desktop.XyZxYz")};
    TempFolder folder;
    QByteArray stored;
    ClockState state;
    FakeClockTimers timers;
    FakePlatform platform;
    ClockStartup startup{state, timers.view(), platform};
};

}  // namespace

TEST_F(StartupLeftovers, AnOrdinaryStartRemovesThemAndKeepsEverythingElse) {
    startup.loadState(folder.root());
    EXPECT_EQ(leftoversThere(), kLeftovers.size());  // not before the marker is held
    ASSERT_EQ(startup.finish(), ClockStartup::Outcome::Run);
    EXPECT_EQ(leftoversThere(), 0);
    EXPECT_EQ(folder.read(QStringLiteral("system/system.ini")), stored);
    EXPECT_EQ(folder.read(QStringLiteral("prazdniki/1.prz")), "1\r\n");
    EXPECT_EQ(folder.read(QStringLiteral("system/system.ini.backup1")), "mine");
    EXPECT_EQ(folder.read(QStringLiteral("autostart/other.desktop.aBcDeF")), "not ours");
}

TEST_F(StartupLeftovers, NothingIsRemovedWhileAnotherInstanceMayBeSaving) {
    platform.marker.othersRunning = true;
    startup.loadState(folder.root());
    ASSERT_EQ(startup.finish(), ClockStartup::Outcome::AnotherInstanceRuns);
    EXPECT_EQ(leftoversThere(), kLeftovers.size());

    // A restarted start does not ask: the old instance may still be closing.
    platform.marker.othersRunning = false;
    setRestartFlag();
    startup.loadState(folder.root());
    ASSERT_EQ(startup.finish(), ClockStartup::Outcome::Run);
    EXPECT_EQ(leftoversThere(), kLeftovers.size());
}
