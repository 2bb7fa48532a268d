#pragma once

#include "dialogs/ClockDialog.h"
#include "dialogs/DialogContext.h"
#include "locale/AccessibleTexts.h"
#include "locale/LanguageSection.h"
#include "scheduler/ScheduleFiles.h"

class FieldLabel;
class QDateEdit;
class QLineEdit;
class QPushButton;
class UpDownArrows;

// The launch editor: a day, an hour, a minute and the program to start,
// added to "run.dat" on OK. Every activation resets the time fields to the
// current time and day but keeps the path typed last; every closing asks the
// launch due check to reload.
class LaunchEditor : public ClockDialog {
    Q_OBJECT
  public:
    static constexpr int kHelpTopic = 6;

    explicit LaunchEditor(DialogContext& context, QWidget* parent = nullptr);

    QLineEdit* hourField() const { return hourField_; }
    QLineEdit* minuteField() const { return minuteField_; }
    UpDownArrows* hourArrows() const { return hourArrows_; }
    UpDownArrows* minuteArrows() const { return minuteArrows_; }
    QDateEdit* dateField() const { return dateField_; }
    QLineEdit* pathField() const { return pathField_; }
    QPushButton* browseButton() const { return browseButton_; }
    QPushButton* okButton() const { return okButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }

  protected:
    void activated() override;
    void closed() override;

  private:
    void browse();
    void addLaunch();
    void nameControls();

    DialogContext& context_;
    ScheduleFiles files_;
    LanguageSection texts_;
    AccessibleTexts spokenTexts_;
    QString fileTypes_;  // line 7: the chooser's name for programs
    QLineEdit* hourField_;
    QLineEdit* minuteField_;
    UpDownArrows* hourArrows_;
    UpDownArrows* minuteArrows_;
    QDateEdit* dateField_;
    QLineEdit* pathField_;
    QPushButton* browseButton_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
    FieldLabel* hourLabel_;
    FieldLabel* minuteLabel_;
    FieldLabel* pathLabel_;
};
