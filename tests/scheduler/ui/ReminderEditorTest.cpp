#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include "DialogFixture.h"
#include "scheduler/ReminderDueCheck.h"
#include "scheduler/ui/ReminderEditor.h"
#include "scheduler/ui/UpDownArrows.h"

namespace {
class ReminderEditorTest : public DialogFixture {
  protected:
    QByteArray stored() const { return folder.read(QStringLiteral("system/napom.dat")); }
    ReminderEditor editor{context};
};
}  // namespace

TEST_F(ReminderEditorTest, EveryActivationResetsTheFieldsAndTakesTheLanguageTexts) {
    activate(editor);
    EXPECT_EQ(editor.hourField()->text(), QStringLiteral("14"));
    EXPECT_EQ(editor.minuteField()->text(), QStringLiteral("07"));
    EXPECT_EQ(editor.dateField()->date(), QDate(2026, 3, 10));
    EXPECT_TRUE(editor.textField()->toPlainText().isEmpty());
    EXPECT_EQ(editor.focusWidget(), editor.textField());
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("Reminders"));
    EXPECT_EQ(editor.cancelButton()->text(), QStringLiteral("Cancel"));
    // The OK caption follows the Latin letters of the English texts.
    EXPECT_EQ(editor.okButton()->text(), QStringLiteral("OK"));
    EXPECT_TRUE(state.dialogOpen);
    EXPECT_TRUE(timers.idleCheck.enabled());

    // Switching away and back clears a half-typed text and resets the time.
    editor.textField()->setPlainText(QStringLiteral("наполовину"));
    editor.hourField()->setText(QStringLiteral("03"));
    platform.clock = platform.clock.addDays(1);
    activate(editor);
    EXPECT_TRUE(editor.textField()->toPlainText().isEmpty());
    EXPECT_EQ(editor.hourField()->text(), QStringLiteral("14"));
    EXPECT_EQ(editor.dateField()->date(), QDate(2026, 3, 11));
}

TEST_F(ReminderEditorTest, ArrowsStepWithTwoDigitsAndStopAtTheRangeEnds) {
    activate(editor);
    editor.hourField()->setText(QStringLiteral("10"));
    editor.hourArrows()->downButton()->click();
    EXPECT_EQ(editor.hourField()->text(), QStringLiteral("09"));
    editor.hourField()->setText(QStringLiteral("23"));
    editor.hourArrows()->upButton()->click();
    EXPECT_EQ(editor.hourField()->text(), QStringLiteral("23"));
    editor.hourField()->setText(QStringLiteral("0"));
    editor.hourArrows()->downButton()->click();
    EXPECT_EQ(editor.hourField()->text(), QStringLiteral("00"));

    editor.minuteField()->setText(QStringLiteral("58"));
    editor.minuteArrows()->upButton()->click();
    EXPECT_EQ(editor.minuteField()->text(), QStringLiteral("59"));
    editor.minuteArrows()->upButton()->click();
    EXPECT_EQ(editor.minuteField()->text(), QStringLiteral("59"));
    editor.minuteField()->setText(QStringLiteral("8"));
    editor.minuteArrows()->upButton()->click();
    EXPECT_EQ(editor.minuteField()->text(), QStringLiteral("09"));
}

TEST_F(ReminderEditorTest, OkAppendsTheExactRecordClosesAndAsksForAReload) {
    activate(editor);
    editor.dateField()->setDate(QDate(2026, 3, 10));
    editor.hourField()->setText(QStringLiteral("10"));
    editor.minuteField()->setText(QStringLiteral("30"));
    editor.textField()->setPlainText(QStringLiteral("Hello\nworld"));
    editor.okButton()->click();
    EXPECT_EQ(stored(), fixture(QStringLiteral("built_reminder.bin")));
    EXPECT_FALSE(editor.isVisible());
    EXPECT_TRUE(state.reloadReminders);
    EXPECT_FALSE(state.dialogOpen);
    EXPECT_EQ(state.lastActivity, platform.clock);
}

TEST_F(ReminderEditorTest, TypedTimesAreStoredWithTwoDigits) {
    activate(editor);
    editor.hourField()->setText(QStringLiteral("7"));
    editor.minuteField()->setText(QStringLiteral("5"));
    editor.okButton()->click();
    ASSERT_EQ(stored().size(), 168);
    EXPECT_EQ(stored().mid(8, 6), QByteArray("\x05"
                                             "07:05"));
}

TEST_F(ReminderEditorTest, ImpossibleTimesAndUnstorableTextsAreRefusedAndTheDialogStays) {
    activate(editor);
    const QList<std::pair<QString, QString>> wrong{
        {"24", "00"}, {"10", "60"}, {"ab", "00"}, {"", "30"}, {"10", "-1"}};
    for (const auto& [hour, minute] : wrong) {
        editor.hourField()->setText(hour);
        editor.minuteField()->setText(minute);
        editor.okButton()->click();
        EXPECT_TRUE(editor.isVisible()) << hour.toStdString() << ":" << minute.toStdString();
    }
    EXPECT_EQ(platform.messages.size(), wrong.size());
    EXPECT_TRUE(platform.messages[0].contains(QStringLiteral("23")));
    EXPECT_TRUE(platform.messages[1].contains(QStringLiteral("59")));

    editor.hourField()->setText(QStringLiteral("10"));
    editor.minuteField()->setText(QStringLiteral("30"));
    editor.textField()->setPlainText(QStringLiteral("встреча 中文 😀"));
    editor.okButton()->click();
    EXPECT_TRUE(editor.isVisible());
    ASSERT_EQ(platform.messages.size(), wrong.size() + 1);
    EXPECT_TRUE(platform.messages.last().contains(QStringLiteral("«中»")));
    EXPECT_TRUE(platform.messages.last().contains(QStringLiteral("«😀» (U+1F600)")));
    EXPECT_FALSE(platform.messages.last().contains(QStringLiteral("«в»")));
    EXPECT_FALSE(folder.exists(QStringLiteral("system/napom.dat")));
}

TEST_F(ReminderEditorTest, TheTextFieldHoldsNoMoreThanTheRecordStores) {
    activate(editor);
    editor.textField()->setPlainText(QString(151, QLatin1Char('x')));
    EXPECT_EQ(editor.textField()->toPlainText(), QString(150, QLatin1Char('x')));
    // A line break is stored as two bytes.
    editor.textField()->setPlainText(QString(148, QLatin1Char('a')) + QStringLiteral("\nb"));
    EXPECT_EQ(editor.textField()->toPlainText(),
              QString(148, QLatin1Char('a')) + QStringLiteral("\n"));
    editor.okButton()->click();
    EXPECT_EQ(stored().at(14), char(150));
}

TEST_F(ReminderEditorTest, CancelAndTheCloseBoxWriteNothingButStillAskForAReload) {
    activate(editor);
    editor.textField()->setPlainText(QStringLiteral("не нужно"));
    editor.cancelButton()->click();
    EXPECT_FALSE(editor.isVisible());
    EXPECT_TRUE(state.reloadReminders);
    EXPECT_FALSE(folder.exists(QStringLiteral("system/napom.dat")));

    state.reloadReminders = false;
    activate(editor);
    editor.close();
    EXPECT_TRUE(state.reloadReminders);
    EXPECT_FALSE(state.dialogOpen);
    EXPECT_FALSE(folder.exists(QStringLiteral("system/napom.dat")));
}

TEST_F(ReminderEditorTest, AFailedAppendIsReportedAndKeepsTheDialogOpen) {
    activate(editor);
    QFile::link(QStringLiteral("/dev/full"), folder.path(QStringLiteral("system/napom.dat")));
    editor.textField()->setPlainText(QStringLiteral("не влезло"));
    editor.okButton()->click();
    EXPECT_EQ(platform.errors.size(), 1);
    EXPECT_TRUE(editor.isVisible());
    EXPECT_EQ(editor.textField()->toPlainText(), QStringLiteral("не влезло"));
}

TEST_F(ReminderEditorTest, ARefusalBoxDoesNotWipeWhatTheUserIsCorrecting) {
    activate(editor);
    // The message box takes the activation while it is open and gives it back.
    platform.onMessage = [&](const QString&) {
        QDialog box;
        box.setModal(true);
        box.show();
        QEvent away(QEvent::WindowDeactivate);
        QApplication::sendEvent(&editor, &away);
        box.hide();
    };
    editor.textField()->setPlainText(QStringLiteral("почти готово"));
    editor.minuteField()->setText(QStringLiteral("75"));
    editor.okButton()->click();
    QEvent back(QEvent::WindowActivate);
    QApplication::sendEvent(&editor, &back);
    EXPECT_EQ(editor.textField()->toPlainText(), QStringLiteral("почти готово"));
    EXPECT_EQ(editor.minuteField()->text(), QStringLiteral("75"));

    // Coming back from another window re-initialises as before.
    QEvent away(QEvent::WindowDeactivate);
    QApplication::sendEvent(&editor, &away);
    QApplication::sendEvent(&editor, &back);
    EXPECT_TRUE(editor.textField()->toPlainText().isEmpty());
}

// The readers read ScheduleFiles::kMaxEntries records: the last one that fits
// is stored, one more is refused with the error box, and the dialog keeps
// what was typed.
TEST_F(ReminderEditorTest, AReminderPastTheRecordsTheReadersReadIsRefused) {
    constexpr qsizetype kMax = ScheduleFiles::kMaxEntries;
    const QByteArray one = fixture(QStringLiteral("built_reminder.bin"));
    for (const qsizetype held : {kMax - 1, kMax}) {
        folder.write(QStringLiteral("system/napom.dat"), one.repeated(held));
        platform.errors.clear();
        activate(editor);
        editor.textField()->setPlainText(QStringLiteral("ещё одно"));
        editor.okButton()->click();
        const bool fits = held < kMax;
        EXPECT_EQ(stored().size(), (held + (fits ? 1 : 0)) * 168) << held;
        EXPECT_EQ(editor.isVisible(), !fits) << held;
        EXPECT_EQ(platform.errors.size(), fits ? 0 : 1) << held;
        if (!fits) {
            EXPECT_TRUE(platform.errors[0].contains(QString::number(kMax)));
            EXPECT_EQ(editor.textField()->toPlainText(), QStringLiteral("ещё одно"));
        }
    }
}

// Each choice stores an ordinary record and its rule; the due check then
// announces the reminder at its minute and puts its next occurrence in its
// place, by the fake clock.
TEST_F(ReminderEditorTest, TheRepeatChoiceMakesTheReminderComeBack) {
    const struct {
        int choice;  // the combo's row
        const char* name;
        QDate next;  // after the one on Tuesday 10 March 2026
    } rows[] = {
        {0, "нет", QDate()},
        {1, "каждый день", QDate(2026, 3, 11)},
        {2, "по рабочим дням", QDate(2026, 3, 11)},
        {3, "каждую неделю", QDate(2026, 3, 17)},
        {4, "каждый месяц", QDate(2026, 4, 10)},
        {5, "каждый год", QDate(2027, 3, 10)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QFile::remove(folder.path(QStringLiteral("system/napom.dat")));
        QFile::remove(folder.path(QStringLiteral("system/repeat.dat")));
        platform.clock = QDateTime(QDate(2026, 3, 10), QTime(14, 7, 30));
        platform.messages.clear();
        activate(editor);
        // Every activation starts from "never".
        EXPECT_EQ(editor.repeatChoice()->currentIndex(), 0);
        editor.repeatChoice()->setCurrentIndex(row.choice);
        EXPECT_EQ(editor.repeatChoice()->currentText(), QString::fromUtf8(row.name));
        editor.hourField()->setText(QStringLiteral("15"));
        editor.minuteField()->setText(QStringLiteral("00"));
        editor.textField()->setPlainText(QStringLiteral("полить цветы"));
        editor.okButton()->click();
        ASSERT_FALSE(editor.isVisible());

        ReminderDueCheck check(state, timers.view(), platform);
        platform.clock = QDateTime(QDate(2026, 3, 10), QTime(15, 0, 2));
        state.reloadReminders = true;
        check.reminderTick();
        check.reminderTick();
        EXPECT_EQ(platform.messages, QStringList{QStringLiteral("полить цветы")});
        const ScheduleList left = ScheduleFiles(state.programFolder).load(ScheduleKind::Reminders);
        if (!row.next.isValid()) {
            EXPECT_TRUE(left.isEmpty());
            continue;
        }
        ASSERT_EQ(left.size(), 1);
        EXPECT_EQ(left.first().day(), row.next);
        EXPECT_EQ(left.first().time(), QStringLiteral("15:00"));
    }
}

// The choice is named by its label, in the language file's words where it
// has them (a screen reader reads the name; the original files have none).
TEST_F(ReminderEditorTest, TheRepeatChoiceIsNamedByItsLabel) {
    activate(editor);
    EXPECT_EQ(editor.repeatChoice()->accessibleName(), QStringLiteral("Повтор"));
    editor.reject();
    folder.write(QStringLiteral("lang/Русский.lng"),
                 cp1251::encode(kLanguage + QStringLiteral("[funrep]\r\nRepeat\r\nnever\r\n"
                                                           "every day\r\n[end]\r\n")));
    activate(editor);
    EXPECT_EQ(editor.repeatChoice()->accessibleName(), QStringLiteral("Repeat"));
    EXPECT_EQ(editor.repeatChoice()->itemText(1), QStringLiteral("every day"));
    // A line the file lacks keeps its built-in text.
    EXPECT_EQ(editor.repeatChoice()->itemText(5), QStringLiteral("каждый год"));
}
