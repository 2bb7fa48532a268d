#pragma once

#include "dialogs/ClockDialog.h"
#include "dialogs/DialogContext.h"
#include "locale/AccessibleTexts.h"
#include "locale/LanguageSection.h"
#include "locale/RepeatTexts.h"
#include "scheduler/RepeatingReminders.h"

class FieldLabel;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class UpDownArrows;

// The reminder editor: a day, an hour, a minute, a text and how it repeats,
// added to "napom.dat" (and the rule to the rule file) on OK. Every activation empties the text and
// resets the fields to the current time and day; every closing asks the reminder due check to
// reload, so a reminder whose minute has passed is reported at once.
class ReminderEditor : public ClockDialog {
    Q_OBJECT
  public:
    static constexpr int kHelpTopic = 4;

    explicit ReminderEditor(DialogContext& context, QWidget* parent = nullptr);

    QLineEdit* hourField() const { return hourField_; }
    QLineEdit* minuteField() const { return minuteField_; }
    UpDownArrows* hourArrows() const { return hourArrows_; }
    UpDownArrows* minuteArrows() const { return minuteArrows_; }
    QDateEdit* dateField() const { return dateField_; }
    QPlainTextEdit* textField() const { return textField_; }
    // Never, then the rules in the order of repeatrule::repeating().
    QComboBox* repeatChoice() const { return repeatChoice_; }
    QPushButton* okButton() const { return okButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }

  protected:
    void activated() override;
    void closed() override;

  private:
    void addReminder();
    void keepTextWithinRecord();
    void nameControls();
    void nameRepeatChoices();

    DialogContext& context_;
    RepeatingReminders reminders_;
    LanguageSection texts_;
    AccessibleTexts spokenTexts_;
    RepeatTexts repeatTexts_;
    QLineEdit* hourField_;
    QLineEdit* minuteField_;
    UpDownArrows* hourArrows_;
    UpDownArrows* minuteArrows_;
    QDateEdit* dateField_;
    QLabel* textLabel_;
    QPlainTextEdit* textField_;
    QLabel* repeatLabel_;
    QComboBox* repeatChoice_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
    FieldLabel* hourLabel_;
    FieldLabel* minuteLabel_;
};
