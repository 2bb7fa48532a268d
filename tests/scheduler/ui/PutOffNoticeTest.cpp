#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTimer>

#include "FakePlatform.h"
#include "FakeTimer.h"
#include "TempFolder.h"
#include "platform/linux/ReminderNoticeBox.h"
#include "scheduler/ReminderDueCheck.h"
#include "scheduler/ReminderRecord.h"
#include "scheduler/ScheduleFiles.h"
#include "settings/Cp1251.h"
#include "settings/DayCount.h"

// The reminder's notice box, with its chooser of minutes and its later
// button, driven as the user would while the due check waits on it, on the
// fake clock.
namespace {

// Shows the real box; `act` does to it what the user would, from its loop.
class BoxPlatform : public FakePlatform {
  public:
    ReminderAnswer showReminder(const QString& text, const PutOffChoice& later) override {
        messages << text;
        QTimer::singleShot(0, [this] {
            auto* box = qobject_cast<ReminderNoticeBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            if (act) {
                act(*box);
            } else {
                box->okButton()->click();
            }
        });
        return ReminderNoticeBox::ask(text, later, QStringLiteral("Ок"));
    }
    std::function<void(ReminderNoticeBox&)> act;
};

void putOffBy(ReminderNoticeBox& box, int minutes) {
    QComboBox& chooser = *box.minutesBox();
    chooser.setCurrentIndex(chooser.findData(minutes));
    box.laterButton()->click();
}

class PutOffNotice : public ::testing::Test {
  protected:
    PutOffNotice() {
        state.programFolder = ProgramFolder(folder.root());
        state.settings = SettingsRecord::defaults();
        state.skinName = QStringLiteral("Classic");
        folder.write(QStringLiteral("lang/Русский.lng"),
                     cp1251::encode(QStringLiteral("[funupu]\r\nПросрочено\r\nПросрочен запуск\r\n"
                                                   " в \r\n[end]\r\n")));
    }
    void at(const QDate& day, int h, int m, int s = 0) {
        platform.clock = QDateTime(day, QTime(h, m, s));
    }
    void addReminder(const QDate& day, const char* time) {
        ReminderRecord rec;
        rec.setDate(daycount::fromDate(day));
        rec.setTime(QLatin1String(time));
        rec.setText(kText);
        ASSERT_TRUE(files.append(rec));
    }
    // "day time" of each reminder in the file, its text checked.
    QStringList inFile() {
        QStringList found;
        for (const ScheduleEntry& entry : files.load(ScheduleKind::Reminders)) {
            EXPECT_EQ(entry.text(), kText);
            found << entry.day().toString(Qt::ISODate) + QLatin1Char(' ') + entry.time();
        }
        return found;
    }

    static inline const QString kText = QStringLiteral("Вынуть пирог\r\nиз духовки");
    static inline const QDate kDay{2026, 3, 10};

    TempFolder folder;
    ClockState state;
    FakeClockTimers timers;
    BoxPlatform platform;
    ScheduleFiles files{state.programFolder};
    ReminderDueCheck reminders{state, timers.view(), platform};
};

}  // namespace

TEST_F(PutOffNotice, TheBoxOffersItsSpansWithTenChosenAndNamesItsControls) {
    ReminderNoticeBox* seen = nullptr;
    QStringList spans;
    platform.act = [&](ReminderNoticeBox& box) {
        seen = &box;
        for (int i = 0; i < box.minutesBox()->count(); ++i) {
            spans << box.minutesBox()->itemText(i);
        }
        EXPECT_EQ(box.minutesBox()->currentData().toInt(), 10);
        EXPECT_EQ(box.minutesBox()->accessibleName(), QStringLiteral("Отложить на"));
        EXPECT_EQ(box.laterButton()->text(), QStringLiteral("Отложить"));
        EXPECT_EQ(box.okButton()->text(), QStringLiteral("Ок"));
        EXPECT_EQ(box.textLabel()->accessibleName(), QStringLiteral("Вынуть пирог\nиз духовки"));
        EXPECT_TRUE(box.okButton()->isDefault());  // Enter confirms, as in a message box
        box.okButton()->click();
    };
    addReminder(kDay, "10:30");
    at(kDay, 10, 30);
    reminders.reminderTick();
    ASSERT_NE(seen, nullptr);
    EXPECT_EQ(spans, (QStringList{"5 мин", "10 мин", "15 мин", "30 мин", "60 мин"}));
    EXPECT_TRUE(inFile().isEmpty());
}

TEST_F(PutOffNotice, EachSpanPutsTheReminderOffToItsMinuteFromTheChoice) {
    struct Case {
        int minutes;
        int h, m;  // when the user chose, at second 40
        const char* until;
    };
    const Case cases[] = {
        {5, 10, 30, "2026-03-10 10:35"},  {10, 10, 30, "2026-03-10 10:40"},
        {15, 10, 32, "2026-03-10 10:47"}, {30, 10, 30, "2026-03-10 11:00"},
        {60, 23, 30, "2026-03-11 00:30"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.minutes);
        QFile::remove(folder.path(QStringLiteral("system/napom.dat")));
        addReminder(kDay, "10:30");
        state.reloadReminders = true;
        at(kDay, 10, 30);
        platform.act = [&](ReminderNoticeBox& box) {
            at(kDay, c.h, c.m, 40);  // the user took a while
            putOffBy(box, c.minutes);
        };
        reminders.reminderTick();
        // The announced one went through the removal as OK takes it.
        EXPECT_EQ(inFile(), QStringList{QLatin1String(c.until)});
        EXPECT_TRUE(state.reloadReminders);
        EXPECT_TRUE(timers.reminderCheck.enabled());
    }
}

TEST_F(PutOffNotice, ThePutOffReminderIsAnnouncedAtItsMinute) {
    addReminder(kDay, "10:30");
    at(kDay, 10, 30, 2);
    platform.act = [](ReminderNoticeBox& box) { putOffBy(box, 5); };
    reminders.reminderTick();
    platform.act = {};
    platform.messages.clear();
    for (int m = 31; m < 35; ++m) {
        at(kDay, 10, m);
        reminders.reminderTick();
    }
    EXPECT_TRUE(platform.messages.isEmpty());
    at(kDay, 10, 35);
    reminders.reminderTick();
    EXPECT_EQ(platform.messages, QStringList{kText});
    EXPECT_TRUE(inFile().isEmpty());
}

TEST_F(PutOffNotice, AnOverdueNoticePutsOffFromNow) {
    addReminder(kDay.addDays(-1), "23:00");
    at(kDay, 8, 0, 15);
    platform.act = [](ReminderNoticeBox& box) { putOffBy(box, 15); };
    reminders.reminderTick();
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_TRUE(platform.messages[0].startsWith(QStringLiteral("Просрочено\r")));
    EXPECT_EQ(inFile(), QStringList{QStringLiteral("2026-03-10 08:15")});
    // The put-off record is read at the next tick, without sound until its minute.
    platform.act = {};
    at(kDay, 8, 15);
    reminders.reminderTick();
    EXPECT_EQ(platform.messages.last(), kText);
    EXPECT_TRUE(inFile().isEmpty());
}

TEST_F(PutOffNotice, ANoticeTheProgramsEndClosedKeepsItsReminder) {
    for (bool overdue : {false, true}) {
        SCOPED_TRACE(overdue ? "overdue" : "due");
        QFile::remove(folder.path(QStringLiteral("system/napom.dat")));
        addReminder(kDay, "10:30");
        state.reloadReminders = true;
        state.ending = false;
        at(kDay, overdue ? 10 : 10, overdue ? 45 : 30);
        platform.act = [&](ReminderNoticeBox& box) {
            state.ending = true;
            box.close();
        };
        reminders.reminderTick();
        EXPECT_EQ(inFile(), QStringList{QStringLiteral("2026-03-10 10:30")});
    }
}
