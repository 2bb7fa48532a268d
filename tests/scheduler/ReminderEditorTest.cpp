#include <QDateEdit>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

#include "DialogFixture.h"
#include "scheduler/ui/ReminderEditor.h"
#include "scheduler/ui/UpDownArrows.h"

namespace {
class ReminderEditor : public DialogFixture {
  protected:
    QByteArray stored() const { return folder.read(QStringLiteral("system/napom.dat")); }
    Tnapom napom{context};
};
}  // namespace

TEST_F(ReminderEditor, EveryActivationResetsTheFieldsAndTakesTheLanguageTexts) {
    activate(napom);
    EXPECT_EQ(napom.ch()->text(), QStringLiteral("14"));
    EXPECT_EQ(napom.mn()->text(), QStringLiteral("07"));
    EXPECT_EQ(napom.dt()->date(), QDate(2026, 3, 10));
    EXPECT_TRUE(napom.txt()->toPlainText().isEmpty());
    EXPECT_EQ(napom.focusWidget(), napom.txt());
    EXPECT_EQ(napom.windowTitle(), QStringLiteral("Reminders"));
    EXPECT_EQ(napom.button2()->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(napom.button1()->text(), QStringLiteral("Ок"));
    EXPECT_TRUE(state.dialogOpen);
    EXPECT_TRUE(timers.t1.enabled());

    // Switching away and back clears a half-typed text and resets the time.
    napom.txt()->setPlainText(QStringLiteral("наполовину"));
    napom.ch()->setText(QStringLiteral("03"));
    platform.clock = platform.clock.addDays(1);
    activate(napom);
    EXPECT_TRUE(napom.txt()->toPlainText().isEmpty());
    EXPECT_EQ(napom.ch()->text(), QStringLiteral("14"));
    EXPECT_EQ(napom.dt()->date(), QDate(2026, 3, 11));
}

TEST_F(ReminderEditor, ArrowsStepWithTwoDigitsAndStopAtTheRangeEnds) {
    activate(napom);
    napom.ch()->setText(QStringLiteral("10"));
    napom.upDown1()->downButton()->click();
    EXPECT_EQ(napom.ch()->text(), QStringLiteral("09"));
    napom.ch()->setText(QStringLiteral("23"));
    napom.upDown1()->upButton()->click();
    EXPECT_EQ(napom.ch()->text(), QStringLiteral("23"));
    napom.ch()->setText(QStringLiteral("0"));
    napom.upDown1()->downButton()->click();
    EXPECT_EQ(napom.ch()->text(), QStringLiteral("00"));

    napom.mn()->setText(QStringLiteral("58"));
    napom.upDown2()->upButton()->click();
    EXPECT_EQ(napom.mn()->text(), QStringLiteral("59"));
    napom.upDown2()->upButton()->click();
    EXPECT_EQ(napom.mn()->text(), QStringLiteral("59"));
    napom.mn()->setText(QStringLiteral("8"));
    napom.upDown2()->upButton()->click();
    EXPECT_EQ(napom.mn()->text(), QStringLiteral("09"));
}

TEST_F(ReminderEditor, OkAppendsTheExactRecordClosesAndAsksForAReload) {
    activate(napom);
    napom.dt()->setDate(QDate(2026, 3, 10));
    napom.ch()->setText(QStringLiteral("10"));
    napom.mn()->setText(QStringLiteral("30"));
    napom.txt()->setPlainText(QStringLiteral("Hello\nworld"));
    napom.button1()->click();
    EXPECT_EQ(stored(), fixture(QStringLiteral("built_reminder.bin")));
    EXPECT_FALSE(napom.isVisible());
    EXPECT_TRUE(state.reloadReminders);
    EXPECT_FALSE(state.dialogOpen);
    EXPECT_EQ(state.lastActivity, platform.clock);
}

TEST_F(ReminderEditor, TypedTimesAreStoredWithTwoDigits) {
    activate(napom);
    napom.ch()->setText(QStringLiteral("7"));
    napom.mn()->setText(QStringLiteral("5"));
    napom.button1()->click();
    ASSERT_EQ(stored().size(), 168);
    EXPECT_EQ(stored().mid(8, 6), QByteArray("\x05"
                                             "07:05"));
}

TEST_F(ReminderEditor, ImpossibleTimesAndUnstorableTextsAreRefusedAndTheDialogStays) {
    activate(napom);
    const QList<std::pair<QString, QString>> wrong{
        {"24", "00"}, {"10", "60"}, {"ab", "00"}, {"", "30"}, {"10", "-1"}};
    for (const auto& [hour, minute] : wrong) {
        napom.ch()->setText(hour);
        napom.mn()->setText(minute);
        napom.button1()->click();
        EXPECT_TRUE(napom.isVisible()) << hour.toStdString() << ":" << minute.toStdString();
    }
    EXPECT_EQ(platform.messages.size(), wrong.size());
    EXPECT_TRUE(platform.messages[0].contains(QStringLiteral("23")));
    EXPECT_TRUE(platform.messages[1].contains(QStringLiteral("59")));

    napom.ch()->setText(QStringLiteral("10"));
    napom.mn()->setText(QStringLiteral("30"));
    napom.txt()->setPlainText(QStringLiteral("встреча 中文 😀"));
    napom.button1()->click();
    EXPECT_TRUE(napom.isVisible());
    ASSERT_EQ(platform.messages.size(), wrong.size() + 1);
    EXPECT_TRUE(platform.messages.last().contains(QStringLiteral("«中»")));
    EXPECT_TRUE(platform.messages.last().contains(QStringLiteral("«😀» (U+1F600)")));
    EXPECT_FALSE(platform.messages.last().contains(QStringLiteral("«в»")));
    EXPECT_FALSE(folder.exists(QStringLiteral("system/napom.dat")));
}

TEST_F(ReminderEditor, TheTextFieldHoldsNoMoreThanTheRecordStores) {
    activate(napom);
    napom.txt()->setPlainText(QString(151, QLatin1Char('x')));
    EXPECT_EQ(napom.txt()->toPlainText(), QString(150, QLatin1Char('x')));
    // A line break is stored as two bytes.
    napom.txt()->setPlainText(QString(148, QLatin1Char('a')) + QStringLiteral("\nb"));
    EXPECT_EQ(napom.txt()->toPlainText(), QString(148, QLatin1Char('a')) + QStringLiteral("\n"));
    napom.button1()->click();
    EXPECT_EQ(stored().at(14), char(150));
}

TEST_F(ReminderEditor, CancelAndTheCloseBoxWriteNothingButStillAskForAReload) {
    activate(napom);
    napom.txt()->setPlainText(QStringLiteral("не нужно"));
    napom.button2()->click();
    EXPECT_FALSE(napom.isVisible());
    EXPECT_TRUE(state.reloadReminders);
    EXPECT_FALSE(folder.exists(QStringLiteral("system/napom.dat")));

    state.reloadReminders = false;
    activate(napom);
    napom.close();
    EXPECT_TRUE(state.reloadReminders);
    EXPECT_FALSE(state.dialogOpen);
    EXPECT_FALSE(folder.exists(QStringLiteral("system/napom.dat")));
}

TEST_F(ReminderEditor, AFailedAppendIsReportedAndKeepsTheDialogOpen) {
    activate(napom);
    QFile::link(QStringLiteral("/dev/full"), folder.path(QStringLiteral("system/napom.dat")));
    napom.txt()->setPlainText(QStringLiteral("не влезло"));
    napom.button1()->click();
    EXPECT_EQ(platform.errors.size(), 1);
    EXPECT_TRUE(napom.isVisible());
    EXPECT_EQ(napom.txt()->toPlainText(), QStringLiteral("не влезло"));
}

TEST_F(ReminderEditor, ARefusalBoxDoesNotWipeWhatTheUserIsCorrecting) {
    activate(napom);
    // The message box takes the activation while it is open and gives it back.
    platform.onMessage = [&](const QString&) {
        QDialog box;
        box.setModal(true);
        box.show();
        QEvent away(QEvent::WindowDeactivate);
        QApplication::sendEvent(&napom, &away);
        box.hide();
    };
    napom.txt()->setPlainText(QStringLiteral("почти готово"));
    napom.mn()->setText(QStringLiteral("75"));
    napom.button1()->click();
    QEvent back(QEvent::WindowActivate);
    QApplication::sendEvent(&napom, &back);
    EXPECT_EQ(napom.txt()->toPlainText(), QStringLiteral("почти готово"));
    EXPECT_EQ(napom.mn()->text(), QStringLiteral("75"));

    // Coming back from another window re-initialises as before.
    QEvent away(QEvent::WindowDeactivate);
    QApplication::sendEvent(&napom, &away);
    QApplication::sendEvent(&napom, &back);
    EXPECT_TRUE(napom.txt()->toPlainText().isEmpty());
}
