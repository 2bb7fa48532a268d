#include "DueCheckFixture.h"

namespace {
class LaunchCheck : public DueCheckFixture {
  protected:
    QString program(const QString& name) {
        folder.write(name, "#!/bin/sh\n");
        return folder.path(name);
    }
};
}  // namespace

TEST_F(LaunchCheck, DueLaunchSoundsStartsInANormalWindowAndIsRemoved) {
    const QString editor = program(QStringLiteral("редактор"));
    addLaunch(today(), "08:00", editor);
    at(7, 59, 59);
    launches.launchTick();
    EXPECT_TRUE(platform.opened.isEmpty());
    at(8, 0, 0);
    launches.launchTick();
    EXPECT_EQ(platform.opened, QStringList{QStringLiteral("normal ") + editor});
    EXPECT_EQ(platform.sound.log, (QStringList{"file " + skinSound(), "open", "play"}));
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_EQ(launchesInFile(), 0);
    EXPECT_FALSE(folder.exists(QStringLiteral("system/run.dat")));
    EXPECT_TRUE(state.reloadLaunches);
    EXPECT_TRUE(timers.launchCheck.enabled());
    EXPECT_TRUE(timers.reminderCheck.log.isEmpty());
}

TEST_F(LaunchCheck, MissingOrEmptyPathStartsNothingAndIsRemovedAllTheSame) {
    addLaunch(today(), "08:00", folder.path(QStringLiteral("gone/program")));
    addLaunch(today(), "08:00", QString());
    addLaunch(today(), "08:00", QStringLiteral("C:\\Windows\\notepad.exe"));
    at(8, 0, 1);
    launches.launchTick();
    EXPECT_TRUE(platform.opened.isEmpty());
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_TRUE(platform.errors.isEmpty());
    EXPECT_EQ(platform.sound.log.count(QStringLiteral("play")), 3);
    EXPECT_EQ(launchesInFile(), 0);
    EXPECT_TRUE(timers.launchCheck.enabled());
}

TEST_F(LaunchCheck, OverdueLaunchIsReportedAndNeverStarted) {
    const QString editor = program(QStringLiteral("editor"));
    addLaunch(today(), "08:00", editor);
    at(8, 30);
    launches.launchTick();
    EXPECT_EQ(platform.messages,
              QStringList{QStringLiteral("Просрочен запуск\r") + shortDate(today()) +
                          QStringLiteral(" в 08:00\r") + editor});
    EXPECT_TRUE(platform.opened.isEmpty());
    EXPECT_TRUE(platform.sound.log.isEmpty());
    EXPECT_EQ(launchesInFile(), 0);
    EXPECT_EQ(timers.launchCheck.log, (QStringList{"off", "off", "on", "on", "on"}));
}

TEST_F(LaunchCheck, TwoLaunchesOfOneMinuteBothStartInOneTick) {
    const QString first = program(QStringLiteral("first"));
    const QString second = program(QStringLiteral("second"));
    addLaunch(today(), "08:00", first);
    addLaunch(today(), "08:00", second);
    at(8, 0);
    launches.launchTick();
    EXPECT_EQ(platform.opened,
              (QStringList{QStringLiteral("normal ") + first, QStringLiteral("normal ") + second}));
    EXPECT_EQ(platform.sound.log.count(QStringLiteral("open")), 2);
    EXPECT_TRUE(platform.errors.isEmpty());
}

TEST_F(LaunchCheck, FailingSoundOrLanguageFileStillStartsAndReports) {
    platform.sound.failOpen = true;
    QFile::remove(folder.path(QStringLiteral("lang/Русский.lng")));
    const QString editor = program(QStringLiteral("editor"));
    addLaunch(today(), "08:00", editor);
    at(8, 0);
    launches.launchTick();
    EXPECT_EQ(platform.errors.size(), 1);  // the overdue check could not read its texts
    EXPECT_EQ(platform.opened.size(), 1);
    EXPECT_EQ(launchesInFile(), 0);

    addLaunch(today(), "07:00", editor);
    state.reloadLaunches = true;
    launches.launchTick();
    EXPECT_EQ(platform.errors.size(), 2);
    ASSERT_EQ(platform.messages.size(), 1);
    // Never read successfully: the notice begins with an empty line.
    EXPECT_EQ(platform.messages[0],
              QStringLiteral("\r") + shortDate(today()) + QStringLiteral("07:00\r") + editor);
    EXPECT_EQ(launchesInFile(), 0);
    EXPECT_TRUE(timers.launchCheck.enabled());
}

TEST_F(LaunchCheck, ALaunchFallsDueWhileAReminderBoxIsOpen) {
    const QString editor = program(QStringLiteral("editor"));
    addLaunch(today(), "10:31", editor);
    addReminder(today(), "10:30", QStringLiteral("окно открыто"));
    at(10, 30);
    launches.launchTick();
    platform.onMessage = [&](const QString&) {
        at(10, 31, 2);  // the launch check keeps ticking during the reminder's box
        launches.launchTick();
    };
    reminders.reminderTick();
    EXPECT_EQ(platform.opened, QStringList{QStringLiteral("normal ") + editor});
    EXPECT_EQ(launchesInFile(), 0);
    EXPECT_EQ(remindersInFile(), 0);
    EXPECT_TRUE(timers.reminderCheck.enabled());
    EXPECT_TRUE(timers.launchCheck.enabled());
}

// A launch added for the day and time of an open overdue notice was not
// reported with it: it stays in the file and is reported in turn, never
// started.
TEST_F(LaunchCheck, ALaunchAddedForTheMinuteOfAnOpenNoticeIsReportedInTurn) {
    const QString first = program(QStringLiteral("first"));
    const QString second = program(QStringLiteral("second"));
    addLaunch(today(), "08:00", first);
    platform.onMessage = [&](const QString& text) {
        if (text.endsWith(first)) {
            addLaunch(today(), "08:00", second);
            state.reloadLaunches = true;  // as the file's watch or the command line asks
        }
    };
    at(8, 30);
    launches.launchTick();
    ASSERT_EQ(launchesInFile(), 1);
    EXPECT_EQ(files.load(ScheduleKind::Launches)[0].text(), second);
    at(8, 30, 1);
    launches.launchTick();
    ASSERT_EQ(platform.messages.size(), 2);
    EXPECT_TRUE(platform.messages[1].endsWith(QStringLiteral(" в 08:00\r") + second));
    EXPECT_TRUE(platform.opened.isEmpty());
    EXPECT_EQ(launchesInFile(), 0);
}
