#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>

#include "FakePlatform.h"
#include "ProgramFolderCopy.h"
#include "TempFolder.h"
#include "app/ChronidexApp.h"

// The whole program built on the fake platform in a copy of the supplied
// program folder: what the menu opens and which timers run when.
namespace {

class Wiring : public ::testing::Test {
  protected:
    Wiring() {
        copySuppliedFolder(folder);
        platform.desktop = QRect(0, 0, 1280, 1024);
    }

    // Which of the program's timers run, by name.
    QStringList running() {
        ProgramTimers& t = app.timers();
        const std::pair<const char*, bool> all[] = {
            {"idleCheck", t.idleCheck.isActive()},        {"slideAway", t.slideAway.isActive()},
            {"slideBack", t.slideBack.isActive()},        {"faceTick", t.faceTick.isActive()},
            {"reminderCheck", t.reminderCheck.enabled()}, {"launchCheck", t.launchCheck.enabled()},
            {"edgeWatch", t.edgeWatch.isActive()}};
        QStringList names;
        for (const auto& [name, on] : all) {
            if (on) {
                names << QString::fromLatin1(name);
            }
        }
        return names;
    }

    void expectEndsAsExit(const std::function<void()>& end) {
        ASSERT_TRUE(app.start(folder.root()));
        int finished = 0;
        QObject::connect(&app, &ChronidexApp::finished, [&] { ++finished; });
        end();
        EXPECT_EQ(finished, 1);
        EXPECT_FALSE(app.clock().isVisible());
        EXPECT_TRUE(running().isEmpty());
    }

    TempFolder folder;
    FakePlatform platform;
    ChronidexApp app{platform};
};

}  // namespace

TEST_F(Wiring, StartShowsTheWindowsAndStartsTheTimersOfARunningClock) {
    EXPECT_TRUE(running().isEmpty());
    ASSERT_TRUE(app.start(folder.root()));
    EXPECT_TRUE(platform.errors.isEmpty()) << platform.errors.join('\n').toStdString();
    EXPECT_TRUE(app.clock().isVisible());
    ASSERT_NE(app.calendar(), nullptr);
    EXPECT_TRUE(app.calendar()->isVisible());
    EXPECT_EQ(app.calendar()->pos(), app.clock().pos() + QPoint(0, app.clock().height()));
    // Sliding and watching wait for auto-hide; the due checks and the face run.
    EXPECT_EQ(running(), (QStringList{"idleCheck", "faceTick", "reminderCheck", "launchCheck"}));
}

TEST_F(Wiring, ASecondInstanceShowsNothingAndStartsNoTimer) {
    platform.marker.othersRunning = true;
    EXPECT_FALSE(app.start(folder.root()));
    EXPECT_FALSE(app.clock().isVisible());
    EXPECT_EQ(app.calendar(), nullptr);
    EXPECT_TRUE(running().isEmpty());
    EXPECT_TRUE(platform.sound.log.isEmpty());
}

TEST_F(Wiring, EveryMenuItemOpensItsOwnDialog) {
    ASSERT_TRUE(app.start(folder.root()));
    const MenuItem items[] = {MenuItem::AddReminder,   MenuItem::AddLaunch, MenuItem::Holidays,
                              MenuItem::Language,      MenuItem::Skins,     MenuItem::Autostart,
                              MenuItem::OtherSettings, MenuItem::About,     MenuItem::Help};
    QList<QWidget*> seen;
    for (MenuItem item : items) {
        QAction* action = app.menu().item(item);
        ASSERT_NE(action, nullptr);
        EXPECT_TRUE(action->isEnabled()) << action->text().toStdString();
        action->trigger();
        QWidget* dialog = app.dialogFor(item);
        ASSERT_NE(dialog, nullptr) << action->text().toStdString();
        EXPECT_TRUE(dialog->isVisible()) << action->text().toStdString();
        EXPECT_FALSE(seen.contains(dialog)) << action->text().toStdString();
        seen << dialog;
        dialog->hide();
    }
}

TEST_F(Wiring, ExitStopsEveryTimerAndEndsTheProgram) {
    expectEndsAsExit([this] { app.menu().item(MenuItem::Exit)->trigger(); });
}

// A log-out or `kill` must leave the same state behind as the menu's Exit.
TEST_F(Wiring, TheSystemsEndRequestEndsTheProgramAsExitDoes) {
    ASSERT_TRUE(platform.endRequest);
    expectEndsAsExit([this] { platform.endRequest(); });
}

// Away, the clock costs what it costs at home: no timer of the slide runs and
// the clock and calendar are unmapped, so nothing of them is drawn.
TEST_F(Wiring, AwayNoSlideTimerRunsAndTheWindowsAreUnmapped) {
    ASSERT_TRUE(app.start(folder.root()));
    const QList<std::pair<QObject*, bool>> adopted = {
        {&app.clock(), false}, {app.calendar(), false}, {app.pullTab(), true}};
    EXPECT_EQ(platform.adopted, adopted);
    app.state().settings.setAutoHide(true);
    app.pullTab()->clicked();
    EXPECT_TRUE(running().contains("slideAway"));
    QElapsedTimer waited;
    waited.start();
    while (app.timers().slideAway.isActive() && waited.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    // The face's next tick finds the clock away and stops (see AwaySleepTest).
    QStringList timers = running();
    timers.removeAll(QStringLiteral("faceTick"));
    EXPECT_EQ(timers, QStringList({"reminderCheck", "launchCheck"}));
    EXPECT_FALSE(app.clock().isVisible());
    EXPECT_FALSE(app.calendar()->isVisible());
    EXPECT_TRUE(app.pullTab()->isVisible());
    app.pullTab()->clicked();
    EXPECT_TRUE(running().contains("slideBack"));
}

TEST_F(Wiring, TheFaceTickWaitsForTheNextSecondAndTheSoundTellsItsEnd) {
    platform.clock.setTime(QTime(10, 0, 0, 250));
    ASSERT_TRUE(app.start(folder.root()));
    EXPECT_EQ(app.timers().faceTick.interval(), 750);

    // The start-up sound is released when the player tells its end, not at
    // a later tick.
    ASSERT_TRUE(app.state().soundPlaying);
    platform.sound.finish();
    EXPECT_FALSE(app.state().soundPlaying);
    EXPECT_TRUE(platform.sound.log.endsWith(QStringLiteral("close")));
}

// The due checks ride on the face's tick; a failed nightly restart must stop
// neither, or the hands would freeze and no reminder would come any more.
TEST_F(Wiring, AFailedNightlyRestartIsToldOnceAndTheClockGoesOn) {
    platform.clock = QDateTime(QDate(2026, 3, 10), QTime(23, 59, 59, 900));
    ASSERT_TRUE(app.start(folder.root()));
    QFile::remove(folder.path(QStringLiteral("system/system.ini")));  // the restart cannot write
    int ticks = 0;
    QObject::connect(&app.timers().faceTick, &QTimer::timeout, [&] { ++ticks; });
    // A tenth of a second before each next second, so the ticks come quickly.
    platform.clock = QDateTime(QDate(2026, 3, 11), QTime(0, 0, 0, 900));
    for (int tick = 1; tick <= 3; ++tick) {
        QElapsedTimer waited;
        waited.start();
        while (ticks < tick && waited.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        ASSERT_EQ(ticks, tick);
        platform.clock = platform.clock.addSecs(1);
    }
    EXPECT_TRUE(platform.started.isEmpty());
    ASSERT_EQ(platform.errors.size(), 1) << platform.errors.join('\n').toStdString();
    EXPECT_TRUE(app.clock().isVisible());
    EXPECT_EQ(running(), (QStringList{"idleCheck", "faceTick", "reminderCheck", "launchCheck"}));
}
