#include <gtest/gtest.h>

#include <time.h>

#include "FakePlatform.h"
#include "FakeTimer.h"
#include "TempFolder.h"
#include "app/ClockStartup.h"
#include "app/ProgramRestart.h"
#include "settings/SettingsFile.h"

namespace {

class StartupTest : public ::testing::Test {
  protected:
    StartupTest() {
        SettingsRecord rec = SettingsRecord::defaults();
        stored = rec.bytes();
        stored.replace(20, 3, "abc");  // unused tail bytes: must survive every rewrite
        folder.write(QStringLiteral("system/system.ini"), stored);
        folder.write(QStringLiteral("skins/Classic.skn"), "0\r\n0\r\n9\r\n94\r\n94\r\n85\r\n");
        folder.write(QStringLiteral("skins/Classic.wav"), "RIFF");
    }
    void setRestartFlag(bool on) {
        stored[56] = on ? 1 : 0;
        folder.write(QStringLiteral("system/system.ini"), stored);
    }

    TempFolder folder;
    QByteArray stored;
    ClockState state;
    FakeClockTimers timers;
    FakePlatform platform;
    ClockStartup startup{state, timers.view(), platform};
};

}  // namespace

TEST_F(StartupTest, OrdinaryStartChecksTheMarkerPlaysTheSoundAndStartsTheIdleCheck) {
    startup.loadState(folder.root());
    EXPECT_EQ(state.skinName, QStringLiteral("Classic"));
    EXPECT_TRUE(state.reloadReminders);
    EXPECT_TRUE(state.reloadLaunches);
    EXPECT_EQ(state.lastActivity, platform.clock);
    EXPECT_EQ(startup.finish(), ClockStartup::Outcome::Run);
    EXPECT_TRUE(platform.marker.asked);
    EXPECT_FALSE(platform.marker.tookOver);
    EXPECT_EQ(platform.sound.log, (QStringList{QStringLiteral("file ") +
                                                   folder.path(QStringLiteral("skins/Classic.wav")),
                                               QStringLiteral("open"), QStringLiteral("play")}));
    EXPECT_TRUE(state.soundPlaying);
    EXPECT_TRUE(timers.idleCheck.enabled());
    EXPECT_TRUE(platform.errors.isEmpty());
}

TEST_F(StartupTest, AnotherInstanceEndsThisOneBeforeAnythingPlays) {
    platform.marker.othersRunning = true;
    startup.loadState(folder.root());
    EXPECT_EQ(startup.finish(), ClockStartup::Outcome::AnotherInstanceRuns);
    EXPECT_TRUE(platform.sound.log.isEmpty());
    EXPECT_FALSE(timers.idleCheck.enabled());
}

TEST_F(StartupTest, RestartedStartClearsTheFlagInTheFileOnlyAndTakesTheMarkerOver) {
    setRestartFlag(true);
    startup.loadState(folder.root());
    EXPECT_EQ(startup.finish(), ClockStartup::Outcome::Run);
    EXPECT_TRUE(state.settings.restartFlag());  // stays set in memory for the run
    QByteArray expected = stored;
    expected[56] = 0;
    EXPECT_EQ(folder.read(QStringLiteral("system/system.ini")), expected);
    EXPECT_FALSE(platform.marker.asked);
    EXPECT_TRUE(platform.marker.tookOver);
    EXPECT_TRUE(platform.sound.log.isEmpty());
}

TEST_F(StartupTest, ASkinWithoutSoundSwitchesSoundOffForThisRunOnly) {
    QFile::remove(folder.path(QStringLiteral("skins/Classic.wav")));
    startup.loadState(folder.root());
    EXPECT_TRUE(state.settings.soundOff());
    EXPECT_TRUE(state.skinHasNoSound);
    startup.finish();
    EXPECT_TRUE(platform.sound.log.isEmpty());
    EXPECT_EQ(folder.read(QStringLiteral("system/system.ini")), stored);
}

// The sound beside the skins folder must not be found through "../".
TEST_F(StartupTest, ASkinNameWithAFolderSeparatorFindsNoSound) {
    folder.write(QStringLiteral("Out.wav"), "RIFF");
    folder.write(QStringLiteral("skins/sub/Classic.wav"), "RIFF");
    for (const QString& name : {QStringLiteral("../Out.skn"), QStringLiteral("sub/Classic.skn"),
                                QStringLiteral("sub\\Classic.skn")}) {
        SCOPED_TRACE(name.toStdString());
        SettingsRecord rec = SettingsRecord::fromBytes(stored);
        rec.setSkinFile(name);
        folder.write(QStringLiteral("system/system.ini"), rec.bytes());
        platform.sound.log.clear();
        startup.loadState(folder.root());
        EXPECT_TRUE(state.skinHasNoSound);
        EXPECT_TRUE(startup.skinFile(QStringLiteral(".wav")).isEmpty());
        startup.finish();
        EXPECT_TRUE(platform.sound.log.isEmpty());
    }
}

TEST_F(StartupTest, ADamagedSettingsFileIsRebuiltAndReportedOnce) {
    folder.write(QStringLiteral("system/system.ini"), "short");
    startup.loadState(folder.root());
    ASSERT_EQ(platform.errors.size(), 1);
    EXPECT_TRUE(platform.errors[0].contains(QStringLiteral("system.ini")));
    EXPECT_EQ(state.settings.skinFile(), QStringLiteral("Classic.skn"));
    EXPECT_EQ(folder.read(QStringLiteral("system/system.ini")), SettingsRecord::defaults().bytes());
}

TEST_F(StartupTest, ARebuildThatCouldNotBeWrittenIsNotReportedAsDone) {
    const QString ini = folder.path(QStringLiteral("system/system.ini"));
    QFile::remove(ini);
    ASSERT_TRUE(QDir().mkpath(ini));  // neither readable nor replaceable
    startup.loadState(folder.root());
    ASSERT_EQ(platform.errors.size(), 1);
    EXPECT_TRUE(platform.errors[0].contains(QStringLiteral("system.ini")));
    EXPECT_FALSE(platform.errors[0].contains(QStringLiteral("rebuilt")));
    EXPECT_TRUE(platform.errors[0].contains(QStringLiteral("не восстановлен")));
    EXPECT_TRUE(platform.errors[0].contains(QStringLiteral("только в памяти")));
    EXPECT_EQ(state.settings.skinFile(), QStringLiteral("Classic.skn"));
    EXPECT_TRUE(QFileInfo(ini).isDir());
}

TEST_F(StartupTest, TheSoundsEndClosesThePlayerAndResumesTheIdleCheckUnlessADialogIsOpen) {
    startup.loadState(folder.root());
    startup.finish();
    timers.idleCheck.disable();
    startup.soundEndCheck();
    EXPECT_TRUE(state.soundPlaying);  // still playing
    platform.sound.ended = true;
    state.dialogOpen = true;
    startup.soundEndCheck();
    EXPECT_FALSE(state.soundPlaying);
    EXPECT_TRUE(platform.sound.log.endsWith(QStringLiteral("close")));
    EXPECT_FALSE(timers.idleCheck.enabled());
}

TEST_F(StartupTest, TheNightlyRestartComesWithTheFirstTickOfANewDate) {
    platform.clock = QDateTime(QDate(2026, 3, 10), QTime(23, 59, 58));
    startup.loadState(folder.root());
    platform.clock = platform.clock.addSecs(1);
    EXPECT_FALSE(startup.dayChanged(platform.clock.date()));
    platform.clock = platform.clock.addSecs(3);  // a missed second still counts
    EXPECT_TRUE(startup.dayChanged(platform.clock.date()));
}

TEST_F(StartupTest, TheNightlyRestartFollowsTheDateThroughClockJumpsButNotDaylightSaving) {
    const QByteArray savedTz = qgetenv("TZ");
    qputenv("TZ", "Europe/Berlin");
    tzset();
    platform.clock = QDateTime(QDate(2026, 3, 29), QTime(1, 59, 59));
    startup.loadState(folder.root());
    platform.clock = platform.clock.addSecs(1);  // the gap: 03:00 of the same day
    EXPECT_EQ(platform.clock.time(), QTime(3, 0));
    EXPECT_FALSE(startup.dayChanged(platform.clock.date()));
    platform.clock = QDateTime(QDate(2026, 3, 29), QTime(0, 0, 5));  // set back within the day
    EXPECT_FALSE(startup.dayChanged(platform.clock.date()));
    // Set back over midnight, the calendar's day is yesterday's: a restart shows it.
    platform.clock = QDateTime(QDate(2026, 3, 28), QTime(23, 59, 0));
    EXPECT_TRUE(startup.dayChanged(platform.clock.date()));
    platform.clock = QDateTime(QDate(2026, 3, 31), QTime(12, 0));  // two days forward
    EXPECT_TRUE(startup.dayChanged(platform.clock.date()));

    ClockStartup autumn(state, timers.view(), platform);
    platform.clock = QDateTime(QDate(2026, 10, 25), QTime(0, 59, 59), Qt::UTC).toLocalTime();
    autumn.loadState(folder.root());
    platform.clock = platform.clock.addSecs(1);  // the second 02:00
    EXPECT_EQ(platform.clock.time(), QTime(2, 0));
    EXPECT_FALSE(autumn.dayChanged(platform.clock.date()));
    qputenv("TZ", savedTz);
    if (savedTz.isEmpty()) {
        qunsetenv("TZ");
    }
    tzset();
}

TEST_F(StartupTest, RestartWritesTheFlagBeforeStartingTheNewInstance) {
    startup.loadState(folder.root());
    bool closed = false;
    QByteArray fileWhenStarted;
    ProgramRestart restart(state, platform, [&] { closed = true; });
    ASSERT_TRUE(restart.restartProgram([](SettingsRecord& r) { r.setHideDelay(12); }));
    EXPECT_TRUE(closed);
    ASSERT_EQ(platform.started.size(), 1);
    EXPECT_TRUE(platform.started[0].endsWith(QStringLiteral(" in ") + folder.root()));
    QByteArray expected = stored;
    expected[56] = 1;
    expected[52] = 12;
    EXPECT_EQ(folder.read(QStringLiteral("system/system.ini")), expected);
}

TEST_F(StartupTest, RestartWithAnUnwritableSettingsFileKeepsThisInstanceRunning) {
    startup.loadState(folder.root());
    QFile::remove(folder.path(QStringLiteral("system/system.ini")));
    bool closed = false;
    ProgramRestart restart(state, platform, [&] { closed = true; });
    const Expected<void> restarted = restart.restartProgram({});
    EXPECT_FALSE(restarted);
    EXPECT_FALSE(restarted.error().isEmpty());
    EXPECT_FALSE(closed);
    EXPECT_TRUE(platform.started.isEmpty());
}
