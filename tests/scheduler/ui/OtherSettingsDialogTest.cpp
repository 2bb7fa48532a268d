#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>

#include "DialogFixture.h"
#include "dialogs/WrappingCheckBox.h"
#include "scheduler/LaunchRecord.h"
#include "scheduler/ReminderRecord.h"
#include "scheduler/RepeatingReminders.h"
#include "scheduler/ScheduleFiles.h"
#include "scheduler/ui/OtherSettingsDialog.h"
#include "scheduler/ui/ScheduleLineDelegate.h"
#include "scheduler/ui/ScheduleListModel.h"
#include "settings/Cp1251.h"
#include "settings/DayCount.h"

namespace {

class OtherSettings : public DialogFixture {
  protected:
    OtherSettings() {
        // Icons with a magenta background (the bottom-left pixel) around a
        // coloured middle: red for launches, green for reminders.
        writeIcon(QStringLiteral("system/r.bmp"), Qt::red);
        writeIcon(QStringLiteral("system/m.bmp"), Qt::green);
    }
    void writeIcon(const QString& name, Qt::GlobalColor middle) {
        QImage icon(34, 17, QImage::Format_RGB32);
        icon.fill(Qt::magenta);
        for (int y = 4; y < 13; ++y) {
            for (int x = 8; x < 26; ++x) {
                icon.setPixel(x, y, QColor(middle).rgb());
            }
        }
        ASSERT_TRUE(icon.save(folder.path(name), "BMP"));
    }
    void addReminder(const QDate& day, const char* time, const QString& text) {
        ReminderRecord rec;
        rec.setDate(daycount::fromDate(day));
        rec.setTime(QLatin1String(time));
        rec.setText(text);
        ASSERT_TRUE(files.append(rec));
    }
    void addLaunch(const QDate& day, const char* time, const QString& path) {
        LaunchRecord rec;
        rec.setDate(daycount::fromDate(day));
        rec.setTime(QLatin1String(time));
        rec.setFile(path);
        ASSERT_TRUE(files.append(rec));
    }
    int lineCount() const { return other.scheduleList()->model()->rowCount(); }
    QModelIndex line(int row) const { return other.scheduleList()->model()->index(row, 0); }
    void select(int row) {
        other.scheduleList()->selectionModel()->select(line(row), QItemSelectionModel::Select);
    }
    QStringList lines() const {
        QStringList out;
        for (int i = 0; i < lineCount(); ++i) {
            out << line(i).data().toString();
        }
        return out;
    }
    SettingsRecord storedSettings() const {
        return SettingsRecord::fromBytes(folder.read(QStringLiteral("system/system.ini")));
    }

    ScheduleFiles files{state.programFolder};
    OtherSettingsDialog other{context};
};

}  // namespace

TEST_F(OtherSettings, ActivationShowsTheOptionsAndTiesTheTabOptionToAutoHide) {
    state.settings.setAutoHide(false);
    state.settings.setNoPullTab(true);
    state.settings.setHideDelay(12);
    activate(other);
    EXPECT_FALSE(other.autoHideBox()->isChecked());
    EXPECT_FALSE(other.noTabBox()->isChecked());
    EXPECT_FALSE(other.noTabBox()->isEnabled());
    EXPECT_FALSE(state.settings.noPullTab());
    EXPECT_EQ(other.hideDelayBox()->value(), 12);
    EXPECT_EQ(other.windowTitle(), QStringLiteral("Other"));
    EXPECT_EQ(other.autoHideBox()->caption(), QStringLiteral("Hide automatically"));
    EXPECT_EQ(other.deleteAction()->text(), QStringLiteral("Delete"));
    EXPECT_EQ(other.soundOffBox()->text(), QStringLiteral("No sound"));
    EXPECT_EQ(other.focusWidget(), other.scheduleList());

    other.autoHideBox()->click();
    EXPECT_TRUE(state.settings.autoHide());
    EXPECT_TRUE(other.noTabBox()->isEnabled());
    other.noTabBox()->click();
    EXPECT_TRUE(state.settings.noPullTab());
    other.autoHideBox()->click();
    EXPECT_FALSE(state.settings.noPullTab());
    EXPECT_FALSE(other.noTabBox()->isChecked());
    EXPECT_FALSE(other.noTabBox()->isEnabled());
}

TEST_F(OtherSettings, TheDelayFollowsTheFieldAndRefusesWhatIsNoNumber) {
    activate(other);
    other.hideDelayBox()->setValue(17);
    EXPECT_EQ(state.settings.hideDelay(), 17);
    other.hideDelayBox()->findChild<QLineEdit*>()->setText(
        QString());  // the user empties the field
    EXPECT_EQ(state.settings.hideDelay(), 17);
    EXPECT_EQ(platform.errors, QStringList{QStringLiteral("'' is not a valid integer value")});
}

TEST_F(OtherSettings, OkStoresTheOptionsThroughARestart) {
    state.settings.setLangFile(QStringLiteral("English.lng"));  // memory only: not stored
    activate(other);
    other.autoHideBox()->click();  // auto-hide off
    other.hideDelayBox()->setValue(9);
    other.soundOffBox()->click();
    other.okButton()->click();
    EXPECT_EQ(program.restarts, 1);
    const SettingsRecord stored = storedSettings();
    EXPECT_TRUE(stored.restartFlag());
    EXPECT_FALSE(stored.autoHide());
    EXPECT_FALSE(stored.noPullTab());
    EXPECT_EQ(stored.hideDelay(), 9);
    EXPECT_TRUE(stored.soundOff());
    EXPECT_EQ(stored.langFile(), QStringLiteral("Русский.lng"));
    EXPECT_FALSE(other.isVisible());

    // OK restarts also when nothing changed.
    activate(other);
    other.okButton()->click();
    EXPECT_EQ(program.restarts, 2);
}

TEST_F(OtherSettings, TheDesktopNotificationsBoxActsAtOnceAndOkStoresItInTheOptionsFile) {
    const QString optionsFile = QStringLiteral("system/options.ini");
    struct Case {
        const char* what;
        bool before;
        bool clicked;
        bool okay;  // OK, or Cancel
    };
    const Case cases[] = {{"switched on, OK", false, true, true},
                          {"switched off, OK", true, true, true},
                          {"left as it was, OK", true, false, true},
                          {"switched on, Cancel", false, true, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(folder.path(optionsFile));
        state.options.setDesktopNotifications(c.before);
        activate(other);
        EXPECT_EQ(other.desktopNoticesBox()->isChecked(), c.before);
        EXPECT_EQ(other.desktopNoticesBox()->text(),
                  QStringLiteral("Уведомлять через рабочий стол"));
        if (c.clicked) {
            other.desktopNoticesBox()->click();
        }
        const bool now = c.before != c.clicked;
        EXPECT_EQ(state.options.desktopNotifications(), now);
        (c.okay ? other.okButton() : other.cancelButton())->click();
        if (c.okay) {
            EXPECT_EQ(ProgramOptions::read(folder.path(optionsFile)).desktopNotifications(), now);
            // The settings record stays 60 bytes, the option in a file of its own.
            EXPECT_EQ(folder.read(QStringLiteral("system/system.ini")).size(), 60);
        } else {
            EXPECT_FALSE(folder.exists(optionsFile));
        }
    }
}

TEST_F(OtherSettings, ASoundOffOnlyForASilentSkinIsNotStored) {
    state.skinHasNoSound = true;
    state.settings.setSoundOff(true);
    activate(other);
    EXPECT_FALSE(other.soundOffBox()->isEnabled());
    EXPECT_TRUE(other.soundOffBox()->isChecked());
    other.okButton()->click();
    EXPECT_FALSE(storedSettings().soundOff());
}

TEST_F(OtherSettings, CancelWritesNothingAndKeepsTheChangesInMemory) {
    const QByteArray before = folder.read(QStringLiteral("system/system.ini"));
    activate(other);
    other.hideDelayBox()->setValue(25);
    other.cancelButton()->click();
    EXPECT_EQ(program.restarts, 0);
    EXPECT_EQ(folder.read(QStringLiteral("system/system.ini")), before);
    EXPECT_EQ(state.settings.hideDelay(), 25);
    EXPECT_FALSE(state.reloadReminders);
    EXPECT_FALSE(state.dialogOpen);
}

TEST_F(OtherSettings, TheListShowsBothFilesSortedByDateTextThenTime) {
    addReminder(QDate(2025, 1, 2), "07:00", QStringLiteral("второе января"));
    addReminder(QDate(2025, 12, 1), "08:00", QStringLiteral("первое декабря"));
    addLaunch(QDate(2025, 12, 1), "08:00", QStringLiteral("C:\\Programs\\app.exe"));
    addReminder(QDate(2025, 12, 1), "06:30", QStringLiteral("раньше"));
    activate(other);
    EXPECT_EQ(lines(), (QStringList{QStringLiteral("06:30  01.12.2025  раньше"),
                                    QStringLiteral("08:00  01.12.2025  первое декабря"),
                                    QStringLiteral("08:00  01.12.2025  C:\\Programs\\app.exe"),
                                    QStringLiteral("07:00  02.01.2025  второе января")}));

    // A damaged reminder file ends its part quietly; the launches still show.
    folder.write(QStringLiteral("system/napom.dat"), QByteArray());
    activate(other);
    EXPECT_EQ(lines(), QStringList{QStringLiteral("08:00  01.12.2025  C:\\Programs\\app.exe")});
}

TEST_F(OtherSettings, LinesAreDrawnWithTheirKindsIconAndTheTextAt40Pixels) {
    addLaunch(QDate(2026, 3, 10), "08:00", QStringLiteral("C:\\app.exe"));
    addReminder(QDate(2026, 3, 10), "09:00",
                QStringLiteral("a:b"));  // ':' second, still a reminder
    addLaunch(QDate(2026, 3, 10), "10:00", QStringLiteral("/usr/bin/xterm"));  // no drive letter
    activate(other);
    other.scheduleList()->clearSelection();
    other.scheduleList()->doItemsLayout();
    QApplication::processEvents();
    const QImage shot = other.scheduleList()->viewport()->grab().toImage();
    const QColor base = other.scheduleList()->palette().base().color();
    const auto iconMiddle = [&](int line) { return shot.pixelColor(2 + 17, line * 19 + 2 + 8); };
    EXPECT_EQ(iconMiddle(0), QColor(Qt::red));
    EXPECT_EQ(iconMiddle(1), QColor(Qt::green));
    EXPECT_EQ(iconMiddle(2), QColor(Qt::red));
    // The bottom-left colour is transparent: the background shows through.
    EXPECT_EQ(shot.pixelColor(3, 3), base);
    EXPECT_EQ(other.scheduleList()->visualRect(line(1)).height(), 19);

    // Nothing but background between the icon's box and the text's start.
    bool textBefore40 = false;
    bool textAfter40 = false;
    for (int y = 19; y < 38; ++y) {
        for (int x = 36; x < 40; ++x) {
            textBefore40 |= shot.pixelColor(x, y) != base;
        }
        for (int x = 40; x < 60; ++x) {
            textAfter40 |= shot.pixelColor(x, y) != base;
        }
    }
    EXPECT_FALSE(textBefore40);
    EXPECT_TRUE(textAfter40);
}

// The files remove a key's records together, so the list loses every line
// of the key with them: it never shows an entry that no file holds.
TEST_F(OtherSettings, DeleteRemovesEveryLineAndRecordOfTheKey) {
    addReminder(QDate(2026, 3, 11), "09:00", QStringLiteral("одно"));
    addReminder(QDate(2026, 3, 11), "09:00", QStringLiteral("другое"));
    addReminder(QDate(2026, 3, 11), "10:00", QStringLiteral("третье"));
    addLaunch(QDate(2026, 3, 11), "09:00", QStringLiteral("/bin/true"));
    activate(other);
    ASSERT_EQ(lineCount(), 4);

    other.scheduleList()->clearSelection();
    other.deleteAction()->trigger();  // nothing selected: nothing happens
    EXPECT_EQ(lineCount(), 4);

    timers.reminderCheck.log.clear();
    select(1);
    other.deleteAction()->trigger();
    const QStringList left = {QStringLiteral("09:00  11.03.2026  /bin/true"),
                              QStringLiteral("10:00  11.03.2026  третье")};
    EXPECT_EQ(lines(), left);
    EXPECT_EQ(other.scheduleList()->currentIndex().row(), 0);  // where the deleted lines were
    EXPECT_EQ(folder.read(QStringLiteral("system/napom.dat")).size(), ReminderRecord::kSize);
    EXPECT_TRUE(folder.read(QStringLiteral("system/napom.dat"))
                    .contains(cp1251::encode(QStringLiteral("третье"))));
    EXPECT_EQ(folder.read(QStringLiteral("system/run.dat")).size(), LaunchRecord::kSize);
    EXPECT_EQ(timers.reminderCheck.log, (QStringList{"off", "on"}));
    EXPECT_TRUE(state.reloadReminders);  // the due check forgets the deleted entries
    EXPECT_FALSE(state.reloadLaunches);
    EXPECT_TRUE(platform.errors.isEmpty());

    // Opened again, the dialog reads the files and shows the same.
    other.cancelButton()->click();
    activate(other);
    EXPECT_EQ(lines(), left);

    // Deleting stays done whichever button closes the dialog.
    select(0);
    other.deleteAction()->trigger();
    other.cancelButton()->click();
    EXPECT_FALSE(folder.exists(QStringLiteral("system/run.dat")));
    EXPECT_TRUE(timers.launchCheck.enabled());
}

// A file that cannot be rewritten keeps its records, and the list its lines;
// the user is told, and the due check runs on.
TEST_F(OtherSettings, AFailedDeleteIsToldAndKeepsTheLine) {
    addReminder(QDate(2026, 3, 11), "09:00", QStringLiteral("одно"));
    addReminder(QDate(2026, 3, 11), "10:00", QStringLiteral("другое"));
    QDir(folder.root()).mkpath(QStringLiteral("system/nappr.dat"));  // no scratch file
    activate(other);
    const QStringList before = lines();
    const QByteArray file = folder.read(QStringLiteral("system/napom.dat"));
    select(0);
    other.deleteAction()->trigger();
    EXPECT_EQ(lines(), before);
    EXPECT_EQ(folder.read(QStringLiteral("system/napom.dat")), file);
    ASSERT_EQ(platform.errors.size(), 1);
    EXPECT_TRUE(platform.errors[0].contains(QStringLiteral("napom.dat")));
    EXPECT_TRUE(timers.reminderCheck.enabled());
}

TEST_F(OtherSettings, LongLinesCanBeScrolledIntoView) {
    addReminder(QDate(2026, 3, 11), "09:00", QString(150, QLatin1Char('W')));
    activate(other);
    other.scheduleList()->doItemsLayout();
    QApplication::processEvents();
    const int textWidth =
        other.scheduleList()->fontMetrics().horizontalAdvance(line(0).data().toString());
    EXPECT_GE(other.scheduleList()->horizontalScrollBar()->maximum(),
              textWidth + 42 - other.scheduleList()->viewport()->width());
    EXPECT_GT(other.scheduleList()->horizontalScrollBar()->maximum(), 0);
}

// The widest line is picked from the texts' stored bytes: a shorter line of
// wide Cyrillic letters beats a longer one of narrow Latin ones, and is then
// measured whole, its line break drawn as a space.
TEST_F(OtherSettings, TheWidestLineIsPickedFromItsStoredCharacters) {
    addReminder(QDate(2026, 3, 11), "09:00", QString(60, QLatin1Char('i')));
    addReminder(QDate(2026, 3, 12), "09:00",
                QStringLiteral("Широкая\nстрока ") + QString(30, QChar(u'Ж')));
    addLaunch(QDate(2026, 3, 13), "09:00", QStringLiteral("/bin/true"));
    activate(other);
    ASSERT_EQ(lineCount(), 3);
    const QListView* list = other.scheduleList();
    const QString widest = line(1).data().toString();
    ASSERT_TRUE(widest.endsWith(QChar(u'Ж')));
    EXPECT_EQ(other.scheduleModel()->widestLine(list->fontMetrics(), list->font()),
              list->fontMetrics().horizontalAdvance(ScheduleLineDelegate::singleLine(widest)));
}

// A repeating reminder's line names its rule; deleting it deletes the rule,
// so a reminder added later at the same day, time and text does not repeat.
TEST_F(OtherSettings, ARepeatingLineShowsItsRuleAndDeletesItWithIt) {
    ReminderRecord rec;
    rec.setDate(daycount::fromDate(QDate(2026, 3, 11)));
    rec.setTime(QStringLiteral("09:00"));
    rec.setText(QStringLiteral("зарядка"));
    const RepeatingReminders reminders(state.programFolder);
    ASSERT_TRUE(reminders.add(rec, RepeatRule::Workdays).ok());
    addReminder(QDate(2026, 3, 11), "10:00", QStringLiteral("один раз"));
    activate(other);
    EXPECT_EQ(lines(), (QStringList{QStringLiteral("09:00  11.03.2026  [по рабочим дням]  зарядка"),
                                    QStringLiteral("10:00  11.03.2026  один раз")}));
    select(0);
    other.deleteAction()->trigger();
    EXPECT_TRUE(reminders.readRules().entries.isEmpty());
    ASSERT_TRUE(reminders.add(rec, RepeatRule::Never).ok());
    other.cancelButton()->click();
    activate(other);
    EXPECT_EQ(lines(), (QStringList{QStringLiteral("09:00  11.03.2026  зарядка"),
                                    QStringLiteral("10:00  11.03.2026  один раз")}));
}
