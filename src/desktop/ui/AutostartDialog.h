#pragma once

#include <memory>

#include "desktop/AutostartSwitch.h"
#include "dialogs/ClockDialog.h"
#include "dialogs/DialogContext.h"

class QLabel;
class QPushButton;

// The autostart dialog: asks whether to set up (or cancel) the start at log-on
// and, on yes, creates or deletes the desktop entry. Its texts and the
// startup folder are fixed when it is made; the question follows the entry's
// presence at every activation. It shows no message and restarts nothing.
class AutostartDialog : public ClockDialog {
    Q_OBJECT
  public:
    explicit AutostartDialog(DialogContext context, QWidget* parent = nullptr);

    QLabel* questionLabel() const { return questionLabel_; }
    QPushButton* yesButton() const { return yesButton_; }
    QPushButton* noButton() const { return noButton_; }
    const AutostartSwitch& autostart() const { return *switch_; }

  protected:
    void activated() override;

  private:
    void carryOut();

    DialogContext context_;
    std::unique_ptr<AutostartSwitch> switch_;
    QLabel* questionLabel_;
    QPushButton* yesButton_;
    QPushButton* noButton_;
};
