#include "DueCheckFixture.h"

// A due reminder through the desktop's notifications: what became of the
// notification decides whether the reminder is done, put off, or shown in
// the notice box after all.
namespace {

using Outcome = DesktopNotifier::Outcome;

class DesktopNotification : public DueCheckFixture {
  protected:
    DesktopNotification() {
        state.options.setDesktopNotifications(true);
        platform.hasNotifier = true;
        addReminder(today(), "10:30", kText);
        at(10, 30, 5);
    }
    QStringList timesInFile() {
        QStringList times;
        for (const ScheduleEntry& entry : files.load(ScheduleKind::Reminders)) {
            EXPECT_EQ(entry.text(), kText);
            times << shortDate(entry.day()) + QLatin1Char(' ') + entry.time();
        }
        return times;
    }
    QString todayAt(const char* time) { return shortDate(today()) + QLatin1Char(' ') + time; }

    static inline const QString kText = QStringLiteral("Позвонить маме");
};

}  // namespace

TEST_F(DesktopNotification, EachOutcomeEndsTheReminderOrBringsUpTheBox) {
    struct Case {
        const char* what;
        Outcome outcome;
        bool box;                 // the notice box came up after the notification
        const char* putOffUntil;  // the reminder left in the file, if any
    };
    const Case cases[] = {
        {"OK", Outcome::Confirmed, false, nullptr},
        {"later", Outcome::PutOff, false, "10:40"},
        {"closed by the user", Outcome::DismissedByUser, false, nullptr},
        {"expired, closed by a call, replaced", Outcome::ClosedWithoutUser, true, nullptr},
        {"the service left the bus", Outcome::ServiceGone, true, nullptr},
        {"no service, or one without actions", Outcome::NotShown, true, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(folder.path(QStringLiteral("system/napom.dat")));
        addReminder(today(), "10:30", kText);
        platform.messages.clear();
        platform.notifier.shown.clear();
        platform.notifier.outcomes = {c.outcome};
        state.reloadReminders = true;
        reminders.reminderTick();

        ASSERT_EQ(platform.notifier.shown.size(), 1);
        EXPECT_EQ(platform.messages, c.box ? QStringList{kText} : QStringList{});
        EXPECT_EQ(timesInFile(),
                  c.putOffUntil ? QStringList{todayAt(c.putOffUntil)} : QStringList{});
        EXPECT_TRUE(timers.reminderCheck.enabled());
        // The skin's sound plays as with the box.
        EXPECT_EQ(platform.sound.log.count(QStringLiteral("play")), 1);
        platform.sound.log.clear();
    }
}

TEST_F(DesktopNotification, TheNotificationCarriesTheTextAndBothActions) {
    platform.notifier.outcomes = {Outcome::Confirmed};
    reminders.reminderTick();
    ASSERT_EQ(platform.notifier.shown.size(), 1);
    const DesktopNotice& shown = platform.notifier.shown[0];
    EXPECT_EQ(shown.text, kText);
    EXPECT_EQ(shown.title, QStringLiteral("Напоминание"));
    EXPECT_EQ(shown.confirmAction, QStringLiteral("Ок"));
    EXPECT_EQ(shown.laterAction, QStringLiteral("Отложить (10 мин)"));
}

TEST_F(DesktopNotification, WithoutTheOptionOrAServiceTheBoxAlone) {
    struct Case {
        const char* what;
        bool option;
        bool notifier;
    };
    const Case cases[] = {{"option off", false, true}, {"no bus at all", true, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(folder.path(QStringLiteral("system/napom.dat")));
        addReminder(today(), "10:30", kText);
        state.options.setDesktopNotifications(c.option);
        platform.hasNotifier = c.notifier;
        platform.messages.clear();
        state.reloadReminders = true;
        reminders.reminderTick();
        EXPECT_TRUE(platform.notifier.shown.isEmpty());
        EXPECT_EQ(platform.messages, QStringList{kText});
        EXPECT_EQ(remindersInFile(), 0);
    }
}

TEST_F(DesktopNotification, ANotificationOpenAtTheProgramsEndIsWithdrawnAndItsReminderKept) {
    platform.notifier.whileOpen = [this] { state.ending = true; };
    reminders.reminderTick();
    EXPECT_EQ(platform.notifier.withdrawn, 1);
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_EQ(timesInFile(), QStringList{todayAt("10:30")});
}

TEST_F(DesktopNotification, APutOffThatCannotBeAddedKeepsTheAnnouncedReminderToBeReportedAgain) {
    // A schedule at its limit takes no further record.
    QByteArray full = folder.read(QStringLiteral("system/napom.dat"));
    const QByteArray other = full.left(ReminderRecord::kSize);
    ReminderRecord filler = ReminderRecord::fromBytes(other);
    filler.setDate(daycount::fromDate(today().addDays(30)));
    full.reserve(ScheduleFiles::kMaxEntries * ReminderRecord::kSize);
    while (full.size() < ScheduleFiles::kMaxEntries * ReminderRecord::kSize) {
        full += filler.bytes();
    }
    folder.write(QStringLiteral("system/napom.dat"), full);
    platform.notifier.outcomes = {Outcome::PutOff};
    reminders.reminderTick();
    EXPECT_EQ(platform.errors.size(), 1);
    EXPECT_EQ(remindersInFile(), ScheduleFiles::kMaxEntries);
    // Told again, as overdue once its minute has passed.
    at(10, 31, 0);
    reminders.reminderTick();
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.messages[0].endsWith(QStringLiteral(" в 10:30\r") + kText));
    EXPECT_EQ(remindersInFile(), ScheduleFiles::kMaxEntries - 1);
}
