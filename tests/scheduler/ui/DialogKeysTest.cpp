#include <QAccessible>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>

#include "DialogFixture.h"
#include "scheduler/ui/LaunchEditor.h"
#include "scheduler/ui/OtherSettingsDialog.h"
#include "scheduler/ui/ReminderEditor.h"
#include "scheduler/ui/UpDownArrows.h"

// The editors and the other settings from the keyboard alone: Enter presses
// the focused button, or OK from anywhere else that leaves Enter alone;
// Escape cancels.
namespace {

enum class Dialog { Reminder, Launch, Other };
enum class Focus { HourField, TextField, PathField, List, Cancel };
enum class Outcome { Confirmed, Cancelled, StaysOpen };

struct Case {
    const char* what;
    Dialog dialog;
    Focus focus;
    int key;
    Outcome outcome;
};

const Case kCases[] = {
    {"Enter in the hour field adds the reminder", Dialog::Reminder, Focus::HourField,
     Qt::Key_Return, Outcome::Confirmed},
    {"keypad Enter does so too", Dialog::Reminder, Focus::HourField, Qt::Key_Enter,
     Outcome::Confirmed},
    {"Enter on the focused cancel button cancels", Dialog::Reminder, Focus::Cancel, Qt::Key_Return,
     Outcome::Cancelled},
    {"Enter in the text breaks the line", Dialog::Reminder, Focus::TextField, Qt::Key_Return,
     Outcome::StaysOpen},
    {"Escape cancels the reminder", Dialog::Reminder, Focus::TextField, Qt::Key_Escape,
     Outcome::Cancelled},
    {"Enter in the path adds the launch", Dialog::Launch, Focus::PathField, Qt::Key_Return,
     Outcome::Confirmed},
    {"Escape cancels the launch", Dialog::Launch, Focus::PathField, Qt::Key_Escape,
     Outcome::Cancelled},
    {"Enter on the list stores the options", Dialog::Other, Focus::List, Qt::Key_Return,
     Outcome::Confirmed},
    {"Escape leaves the options unstored", Dialog::Other, Focus::List, Qt::Key_Escape,
     Outcome::Cancelled},
};

class DialogKeys : public DialogFixture, public ::testing::WithParamInterface<Case> {};

}  // namespace

TEST_P(DialogKeys, EnterConfirmsAndEscapeCancels) {
    const Case& c = GetParam();
    ReminderEditor reminder(context);
    LaunchEditor launch(context);
    OtherSettingsDialog other(context);
    ClockDialog* dialog = nullptr;
    QWidget* focus = nullptr;
    switch (c.dialog) {
        case Dialog::Reminder:
            dialog = &reminder;
            focus = c.focus == Focus::HourField   ? static_cast<QWidget*>(reminder.hourField())
                    : c.focus == Focus::TextField ? static_cast<QWidget*>(reminder.textField())
                                                  : reminder.cancelButton();
            break;
        case Dialog::Launch:
            dialog = &launch;
            focus = launch.pathField();
            break;
        case Dialog::Other:
            dialog = &other;
            focus = other.scheduleList();
            break;
    }
    activate(*dialog);
    reminder.textField()->setPlainText(QStringLiteral("Keys"));
    launch.pathField()->setText(QStringLiteral("/usr/bin/true"));
    focus->setFocus();
    QKeyEvent key(QEvent::KeyPress, c.key,
                  c.key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QCoreApplication::sendEvent(focus, &key);

    const bool stored = folder.exists(QStringLiteral("system/napom.dat")) ||
                        folder.exists(QStringLiteral("system/run.dat")) || program.restarts > 0;
    EXPECT_EQ(stored, c.outcome == Outcome::Confirmed) << c.what;
    EXPECT_EQ(dialog->isVisible(), c.outcome == Outcome::StaysOpen) << c.what;
    if (c.outcome == Outcome::StaysOpen) {
        EXPECT_EQ(reminder.textField()->toPlainText(), QStringLiteral("\nKeys")) << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, DialogKeys, ::testing::ValuesIn(kCases));

// The arrows read, and set from a screen reader, as a spin box of their
// field's number within their range.
TEST_F(DialogFixture, ArrowsAreASpinBoxOfTheirFieldsNumber) {
    ReminderEditor editor(context);
    activate(editor);
    QAccessibleInterface* arrows = QAccessible::queryAccessibleInterface(editor.hourArrows());
    ASSERT_NE(arrows, nullptr);
    ASSERT_NE(arrows->valueInterface(), nullptr);
    EXPECT_EQ(arrows->role(), QAccessible::SpinBox);
    EXPECT_EQ(arrows->text(QAccessible::Name), QStringLiteral("hour"));  // the field's label
    EXPECT_EQ(arrows->valueInterface()->currentValue().toInt(), 14);
    EXPECT_EQ(arrows->valueInterface()->minimumValue().toInt(), 0);
    EXPECT_EQ(arrows->valueInterface()->maximumValue().toInt(), 23);
    const std::pair<int, const char*> sets[] = {{7, "07"}, {30, "23"}, {-1, "00"}};
    for (const auto& [value, shown] : sets) {
        arrows->valueInterface()->setCurrentValue(value);
        EXPECT_EQ(editor.hourField()->text(), QLatin1String(shown)) << value;
    }
    editor.minuteField()->setText(QStringLiteral("x"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(editor.minuteArrows())
                  ->valueInterface()
                  ->currentValue()
                  .toInt(),
              0);
}
