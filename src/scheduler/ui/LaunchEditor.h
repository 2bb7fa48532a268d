#pragma once

#include "scheduler/ScheduleFiles.h"
#include "scheduler/ui/EntryEditor.h"

// The launch editor: a day, an hour, a minute and the program to start,
// added to "run.dat" on OK. Every activation resets the time fields to the
// current time and day but keeps the path typed last; every closing asks the
// launch due check to reload.
class LaunchEditor : public EntryEditor {
    Q_OBJECT
  public:
    static constexpr int kHelpTopic = 6;

    explicit LaunchEditor(DialogContext& context, QWidget* parent = nullptr);

    QLineEdit* pathField() const { return pathField_; }
    QPushButton* browseButton() const { return browseButton_; }

  protected:
    void activated() override;
    void closed() override;

  private:
    void browse();
    void addLaunch();

    ScheduleFiles files_;
    QString fileTypes_;  // line 7: the chooser's name for programs
    QLineEdit* pathField_;
    QPushButton* browseButton_;
    FieldLabel* pathLabel_;
};
