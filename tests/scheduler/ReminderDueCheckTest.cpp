#include "DueCheckFixture.h"

namespace {
using ReminderCheck = DueCheckFixture;
}

TEST_F(ReminderCheck, DueReminderSoundsShowsItsTextAloneAndIsRemoved) {
    addReminder(today(), "10:30", QStringLiteral("Купить хлеб\nи молоко"));
    at(10, 29, 59);
    reminders.reminderTick();
    EXPECT_TRUE(platform.messages.isEmpty());

    bool napStoppedDuringBox = false;
    platform.onMessage = [&](const QString&) {
        napStoppedDuringBox = !timers.reminderCheck.enabled();
    };
    at(10, 30, 0);
    reminders.reminderTick();
    EXPECT_EQ(platform.messages, QStringList{QStringLiteral("Купить хлеб\r\nи молоко")});
    EXPECT_TRUE(napStoppedDuringBox);
    EXPECT_EQ(platform.sound.log, (QStringList{"file " + skinSound(), "open", "play"}));
    EXPECT_TRUE(state.soundPlaying);
    EXPECT_FALSE(folder.exists(QStringLiteral("system/napom.dat")));
    EXPECT_TRUE(state.reloadReminders);  // the removal asks for a reload
    EXPECT_TRUE(timers.reminderCheck.enabled());

    // The rest of the minute announces nothing more.
    at(10, 30, 30);
    reminders.reminderTick();
    EXPECT_EQ(platform.messages.size(), 1);
}

TEST_F(ReminderCheck, SoundOffShowsTheBoxOnly) {
    state.settings.setSoundOff(true);
    addReminder(today(), "10:30", QStringLiteral("тихо"));
    at(10, 30, 5);
    reminders.reminderTick();
    EXPECT_EQ(platform.messages, QStringList{QStringLiteral("тихо")});
    EXPECT_TRUE(platform.sound.log.isEmpty());
    EXPECT_FALSE(state.soundPlaying);
}

TEST_F(ReminderCheck, OverdueRemindersAreReportedSilentlyWithDayAndTime) {
    const QDate yesterday = today().addDays(-1);
    addReminder(yesterday, "23:00", QStringLiteral("вчера"));
    addReminder(today(), "10:30", QStringLiteral("утром"));
    addReminder(today(), "10:45", QStringLiteral("сейчас"));  // this minute: due, not overdue
    addReminder(today(), "11:00", QStringLiteral("позже"));
    at(10, 45, 20);
    reminders.reminderTick();
    EXPECT_EQ(platform.messages,
              (QStringList{QStringLiteral("Просрочено напоминание\r") + shortDate(yesterday) +
                               QStringLiteral(" в 23:00\rвчера"),
                           QStringLiteral("Просрочено напоминание\r") + shortDate(today()) +
                               QStringLiteral(" в 10:30\rутром"),
                           QStringLiteral("сейчас")}));
    // Only the due one sounds.
    EXPECT_EQ(platform.sound.log.count(QStringLiteral("play")), 1);
    ASSERT_EQ(remindersInFile(), 1);
    EXPECT_EQ(files.load(ScheduleKind::Reminders)[0].text(), QStringLiteral("позже"));
}

TEST_F(ReminderCheck, TimeTextsInAnotherFormAreNeverDueButOverdueOnLaterDays) {
    addReminder(today(), "7:5", QStringLiteral("одна цифра"));
    at(7, 5);
    reminders.reminderTick();
    at(23, 59);
    state.reloadReminders = true;
    reminders.reminderTick();
    EXPECT_TRUE(platform.messages.isEmpty());  // "7:5" sorts after every "hh:nn"
    platform.clock = QDateTime(today().addDays(1), QTime(0, 0, 1));
    state.reloadReminders = true;
    reminders.reminderTick();
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.messages[0].endsWith(QStringLiteral(" в 7:5\rодна цифра")));
}

TEST_F(ReminderCheck, OverdueCheckPairsEveryStopWithARestart) {
    addReminder(today(), "09:00", QStringLiteral("a"));
    at(10, 0);
    timers.reminderCheck.log.clear();
    reminders.reminderTick();
    // Whole check off; entry off, on; removal on; whole check on.
    EXPECT_EQ(timers.reminderCheck.log, (QStringList{"off", "off", "on", "on", "on"}));
    EXPECT_TRUE(timers.launchCheck.log.isEmpty());
    EXPECT_FALSE(state.reloadReminders);  // lowered after the overdue check
}

TEST_F(ReminderCheck, TwoRemindersOfOneMinuteAreBothAnnouncedInOneWalk) {
    addReminder(today(), "10:30", QStringLiteral("первое"));
    addReminder(today(), "10:30", QStringLiteral("второе"));
    at(10, 30);
    platform.onMessage = [&](const QString&) { at(10, 30, 20); };  // dismissed in the minute
    reminders.reminderTick();
    EXPECT_EQ(platform.messages, (QStringList{QStringLiteral("первое"), QStringLiteral("второе")}));
    EXPECT_EQ(platform.sound.log.count(QStringLiteral("open")), 2);  // restarted for the second
    EXPECT_FALSE(folder.exists(QStringLiteral("system/napom.dat")));
    EXPECT_TRUE(platform.errors.isEmpty());  // the second removal met no file
    EXPECT_TRUE(timers.reminderCheck.enabled());
}

// Every reminder of a key is shown before its record goes: a second one of
// the same minute as due in the same walk when the first box was dismissed
// within the minute, as overdue at the next tick when the box outlasted it.
// Nothing else in the file changes.
TEST_F(ReminderCheck, EveryReminderOfAKeyIsShownBeforeItsRecordGoes) {
    struct Case {
        const char* dismissed;
        QTime closedAt;
        QString second;  // how the second reminder is shown
    };
    for (const Case& c : {Case{"within the minute", QTime(10, 30, 40), QStringLiteral("второе")},
                          Case{"three minutes later", QTime(10, 33, 5),
                               QStringLiteral("Просрочено напоминание\r") + shortDate(today()) +
                                   QStringLiteral(" в 10:30\rвторое")}}) {
        QFile::remove(folder.path(QStringLiteral("system/napom.dat")));
        platform.messages.clear();
        addReminder(today(), "11:00", QStringLiteral("другой ключ"));
        const QByteArray other = folder.read(QStringLiteral("system/napom.dat"));
        addReminder(today(), "10:30", QStringLiteral("первое"));
        addReminder(today(), "10:30", QStringLiteral("второе"));
        at(10, 29, 59);
        state.reloadReminders = true;
        reminders.reminderTick();
        platform.onMessage = [&](const QString& text) {
            if (text == QStringLiteral("первое")) {
                platform.clock.setTime(c.closedAt);
            }
        };
        at(10, 30, 0);
        reminders.reminderTick();
        platform.clock.setTime(c.closedAt.addSecs(1));
        reminders.reminderTick();
        platform.onMessage = {};
        EXPECT_EQ(platform.messages, (QStringList{QStringLiteral("первое"), c.second}))
            << c.dismissed;
        EXPECT_EQ(folder.read(QStringLiteral("system/napom.dat")), other) << c.dismissed;
        EXPECT_TRUE(platform.errors.isEmpty()) << c.dismissed;
        EXPECT_TRUE(timers.reminderCheck.enabled()) << c.dismissed;
    }
}

// A reminder added for the day and time of an open notice (by the command
// line, the editor or another program) was not read with it: when the notice
// is dismissed it stays in the file and is shown in turn, due while its
// minute lasts, overdue after.
TEST_F(ReminderCheck, AReminderAddedForTheMinuteOfAnOpenNoticeIsShownInTurn) {
    const QString overdueSecond = QStringLiteral("Просрочено напоминание\r") + shortDate(today()) +
                                  QStringLiteral(" в 10:30\rвторое");
    struct Case {
        const char* what;
        QTime shownAt;
        QTime closedAt;
        QString second;
    };
    const Case cases[] = {
        {"due, dismissed within its minute", QTime(10, 30, 0), QTime(10, 30, 30),
         QStringLiteral("второе")},
        {"due, dismissed minutes later", QTime(10, 30, 0), QTime(10, 34, 0), overdueSecond},
        {"overdue", QTime(10, 45, 0), QTime(10, 45, 20), overdueSecond},
    };
    for (const Case& c : cases) {
        QFile::remove(folder.path(QStringLiteral("system/napom.dat")));
        platform.messages.clear();
        addReminder(today(), "10:30", QStringLiteral("первое"));
        platform.onMessage = [&](const QString& text) {
            if (text.endsWith(QStringLiteral("первое"))) {
                addReminder(today(), "10:30", QStringLiteral("второе"));
                state.reloadReminders = true;  // as the file's watch or the command line asks
                platform.clock.setTime(c.closedAt);
            }
        };
        platform.clock.setTime(c.shownAt);
        state.reloadReminders = true;
        reminders.reminderTick();
        ASSERT_EQ(platform.messages.size(), 1) << c.what;
        ASSERT_EQ(remindersInFile(), 1) << c.what;
        EXPECT_EQ(files.load(ScheduleKind::Reminders)[0].text(), QStringLiteral("второе"))
            << c.what;

        platform.clock.setTime(c.closedAt.addSecs(1));
        reminders.reminderTick();
        platform.onMessage = {};
        ASSERT_EQ(platform.messages.size(), 2) << c.what;
        EXPECT_EQ(platform.messages[1], c.second) << c.what;
        EXPECT_FALSE(folder.exists(QStringLiteral("system/napom.dat"))) << c.what;
        EXPECT_TRUE(timers.reminderCheck.enabled()) << c.what;
    }
}

// The clock's own removals change the file under its watch, which asks for
// a reload: the reminder read back from the file then is gone, so nothing is
// announced twice, and the others stay.
TEST_F(ReminderCheck, ReloadsAfterItsOwnRemovalsAnnounceNothingTwice) {
    for (const QTime& shown : {QTime(10, 30, 0), QTime(10, 45, 0)}) {  // due, then overdue
        QFile::remove(folder.path(QStringLiteral("system/napom.dat")));
        platform.messages.clear();
        addReminder(today(), "10:30", QStringLiteral("один раз"));
        addReminder(today(), "11:00", QStringLiteral("позже"));
        platform.clock.setTime(shown);
        state.reloadReminders = true;
        reminders.reminderTick();
        for (int second = 1; second <= 3; ++second) {
            platform.clock.setTime(shown.addSecs(second));
            state.reloadReminders = true;
            reminders.reminderTick();
        }
        EXPECT_EQ(platform.messages.size(), 1) << shown.minute();
        ASSERT_EQ(remindersInFile(), 1) << shown.minute();
        EXPECT_EQ(files.load(ScheduleKind::Reminders)[0].text(), QStringLiteral("позже"));
    }
}

// A notice that the end of the program closed (a log-out, the Exit, a
// restart): nobody read it, so its reminder stays in the file, to come again
// at the next start as overdue, and no later one is shown.
TEST_F(ReminderCheck, ANoticeCutShortByTheEndLeavesItsReminder) {
    for (const QTime& at : {QTime(10, 30, 0), QTime(11, 0, 0)}) {  // due, then overdue
        QFile::remove(folder.path(QStringLiteral("system/napom.dat")));
        platform.messages.clear();
        addReminder(today(), "10:30", QStringLiteral("не прочитано"));
        addReminder(today(), "10:30", QStringLiteral("и это"));
        const QByteArray before = folder.read(QStringLiteral("system/napom.dat"));
        state.ending = false;
        platform.onMessage = [&](const QString&) { state.ending = true; };
        platform.clock.setTime(at);
        state.reloadReminders = true;
        reminders.reminderTick();
        EXPECT_EQ(platform.messages.size(), 1) << at.hour();
        EXPECT_EQ(folder.read(QStringLiteral("system/napom.dat")), before) << at.hour();
    }
}

TEST_F(ReminderCheck, TheWalkGoesOnOverTheListItStartedWith) {
    addReminder(today(), "10:32", QStringLiteral("прошло под окном"));
    addReminder(today(), "10:30", QStringLiteral("первое"));
    addReminder(today(), "10:31", QStringLiteral("следом"));
    at(10, 30);
    // The first box stays open until 10:31; the same walk still meets the next.
    platform.onMessage = [&](const QString& text) {
        if (text == QStringLiteral("первое")) {
            at(10, 31, 10);
        } else if (text == QStringLiteral("следом")) {
            at(10, 33);
        }
    };
    reminders.reminderTick();
    EXPECT_EQ(platform.messages, (QStringList{QStringLiteral("первое"), QStringLiteral("следом")}));
    EXPECT_EQ(remindersInFile(), 1);
    // 10:32 passed while the reminder check was stopped: the next tick reports it as overdue.
    at(10, 33, 1);
    reminders.reminderTick();
    ASSERT_EQ(platform.messages.size(), 3);
    EXPECT_TRUE(platform.messages[2].endsWith(QStringLiteral(" в 10:32\rпрошло под окном")));
    EXPECT_EQ(remindersInFile(), 0);
}

TEST_F(ReminderCheck, MissingOrDamagedFilesNeverStopTheCheck) {
    at(10, 0);
    reminders.reminderTick();
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_TRUE(timers.reminderCheck.enabled());
    EXPECT_FALSE(folder.exists(QStringLiteral("system/napom.dat")));

    // Three whole records and a partial one; 46091 is today, 10 March 2026.
    QFile fixture(testData(QStringLiteral("scheduler/reminders_partial_tail.dat")));
    ASSERT_TRUE(fixture.open(QIODevice::ReadOnly));
    const QByteArray bytes = fixture.readAll();
    folder.write(QStringLiteral("system/napom.dat"), bytes);
    state.reloadReminders = true;
    reminders.reminderTick();
    // Both 09:00 entries are reported, and each takes its own record.
    ASSERT_EQ(platform.messages.size(), 2);
    EXPECT_TRUE(platform.messages[1].endsWith(QStringLiteral("\rsecond, same key")));
    EXPECT_EQ(folder.read(QStringLiteral("system/napom.dat")), bytes.mid(168 * 2, 168));
    EXPECT_TRUE(platform.errors.isEmpty());
    EXPECT_TRUE(timers.reminderCheck.enabled());
}

TEST_F(ReminderCheck, FailingSoundOrLanguageFileStillAnnouncesAndRemoves) {
    platform.sound.failOpen = true;
    addReminder(today(), "10:00", QStringLiteral("без звука"));
    at(10, 0);
    reminders.reminderTick();
    EXPECT_EQ(platform.messages, QStringList{QStringLiteral("без звука")});
    EXPECT_FALSE(state.soundPlaying);
    EXPECT_EQ(remindersInFile(), 0);
    EXPECT_TRUE(timers.reminderCheck.enabled());

    // The language file is gone: reported, and the notice keeps the texts of
    // the last good read.
    QFile::remove(folder.path(QStringLiteral("lang/Русский.lng")));
    addReminder(today(), "09:00", QStringLiteral("просрочено"));
    state.reloadReminders = true;
    reminders.reminderTick();
    EXPECT_EQ(platform.errors.size(), 1);
    ASSERT_EQ(platform.messages.size(), 2);
    EXPECT_EQ(platform.messages[1], QStringLiteral("Просрочено напоминание\r") +
                                        shortDate(today()) +
                                        QStringLiteral(" в 09:00\rпросрочено"));
    EXPECT_EQ(remindersInFile(), 0);
    EXPECT_TRUE(timers.reminderCheck.enabled());
}

TEST_F(ReminderCheck, AFileThatCannotBeRewrittenDoesNotBringTheBoxBackAgain) {
    addReminder(today(), "10:00", QStringLiteral("застряло"));
    addReminder(today().addDays(1), "09:00", QStringLiteral("завтра"));
    QDir(folder.root()).mkpath(QStringLiteral("system/nappr.dat"));
    for (int s = 0; s < 5; ++s) {
        at(10, 0, s);
        reminders.reminderTick();
    }
    // Later reloads (an editor closing) do not report it as overdue either.
    at(10, 5);
    state.reloadReminders = true;
    reminders.reminderTick();
    EXPECT_EQ(platform.messages, QStringList{QStringLiteral("застряло")});
    EXPECT_EQ(platform.errors.size(), 1);
    EXPECT_EQ(remindersInFile(), 2);  // kept for the next start
    EXPECT_TRUE(timers.reminderCheck.enabled());
}
