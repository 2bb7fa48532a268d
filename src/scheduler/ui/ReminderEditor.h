#pragma once

#include "locale/RepeatTexts.h"
#include "scheduler/RepeatingReminders.h"
#include "scheduler/ui/EntryEditor.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;

// The reminder editor: a day, an hour, a minute, a text and how it repeats,
// added to "napom.dat" (and the rule to the rule file) on OK. Every activation empties the text and
// resets the fields to the current time and day; every closing asks the reminder due check to
// reload, so a reminder whose minute has passed is reported at once.
class ReminderEditor : public EntryEditor {
    Q_OBJECT
  public:
    static constexpr int kHelpTopic = 4;

    explicit ReminderEditor(DialogContext& context, QWidget* parent = nullptr);

    QPlainTextEdit* textField() const { return textField_; }
    // Never, then the rules in the order of repeatrule::repeating().
    QComboBox* repeatChoice() const { return repeatChoice_; }

  protected:
    void activated() override;
    void closed() override;

  private:
    void addReminder();
    void keepTextWithinRecord();
    void nameRepeatChoices();

    RepeatingReminders reminders_;
    RepeatTexts repeatTexts_;
    QLabel* textLabel_;
    QPlainTextEdit* textField_;
    QLabel* repeatLabel_;
    QComboBox* repeatChoice_;
};
