#pragma once

#include "dialogs/ClockDialog.h"
#include "dialogs/DialogContext.h"
#include "locale/AccessibleTexts.h"
#include "locale/LanguageSection.h"
#include "locale/NoticeTexts.h"
#include "locale/RepeatTexts.h"
#include "scheduler/RepeatingReminders.h"
#include "scheduler/ScheduleFiles.h"

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QListView;
class QMenu;
class QPushButton;
class QSpinBox;
class ScheduleLineDelegate;
class ScheduleListModel;
class WrappingCheckBox;

// The other-settings dialog: the auto-hide, sound and notification options,
// which act on the running program at once and are stored by OK through a
// restart,
// and the list of every reminder and launch with a command to delete one.
class OtherSettingsDialog : public ClockDialog {
    Q_OBJECT
  public:
    static constexpr int kHelpTopic = 8;

    explicit OtherSettingsDialog(DialogContext& context, QWidget* parent = nullptr);

    WrappingCheckBox* autoHideBox() const { return autoHideBox_; }
    QCheckBox* noTabBox() const { return noTabBox_; }
    QSpinBox* hideDelayBox() const { return hideDelayBox_; }
    QCheckBox* soundOffBox() const { return soundOffBox_; }
    QCheckBox* desktopNoticesBox() const { return desktopNoticesBox_; }
    QListView* scheduleList() const { return scheduleList_; }
    ScheduleListModel* scheduleModel() const { return scheduleModel_; }
    QPushButton* okButton() const { return okButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }
    QAction* deleteAction() const { return deleteAction_; }

    // Rebuilds the schedule list from both files.
    void fillList();

  protected:
    void activated() override;

  private:
    // The three panels' controls, and what their signals do.
    void buildOptions();
    void buildList();
    void buildButtons();
    void wire();
    void autoHideClicked();
    void hideDelayEdited(const QString& text);
    void storeSettings();
    void deleteSelected();
    void nameControls();

    DialogContext& context_;
    ScheduleFiles files_;
    RepeatingReminders reminders_;
    LanguageSection texts_;
    AccessibleTexts spokenTexts_;
    NoticeTexts noticeTexts_;
    RepeatTexts repeatTexts_;
    QFrame* optionsPanel_;
    QFrame* listPanel_;
    QFrame* buttonPanel_;
    WrappingCheckBox* autoHideBox_;
    QCheckBox* noTabBox_;
    QLabel* hideDelayLabel_;
    QSpinBox* hideDelayBox_;
    QCheckBox* soundOffBox_;
    QCheckBox* desktopNoticesBox_;
    QListView* scheduleList_;
    ScheduleListModel* scheduleModel_;
    ScheduleLineDelegate* delegate_;
    QMenu* listMenu_;
    QAction* deleteAction_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
};
