#pragma once

#include <memory>

#include "autohide/ui/ProtocolDialog.h"
#include "config/DialogContext.h"
#include "desktop/AutostartSwitch.h"

class QLabel;
class QPushButton;

// The autostart dialog: asks whether to set up (or cancel) the start at log-on
// and, on yes, creates or deletes the desktop entry. Its texts and the
// startup folder are fixed when it is made; the question follows the entry's
// presence at every activation. It shows no message and restarts nothing.
class Tautr : public ProtocolDialog {
    Q_OBJECT
  public:
    explicit Tautr(DialogContext context, QWidget* parent = nullptr);

    QLabel* questionLabel() const { return label1_; }
    QPushButton* yesButton() const { return button1_; }
    QPushButton* noButton() const { return button2_; }
    const AutostartSwitch& autostart() const { return *switch_; }

  protected:
    void activated() override;

  private:
    void carryOut();

    DialogContext context_;
    std::unique_ptr<AutostartSwitch> switch_;
    QLabel* label1_;
    QPushButton* button1_;
    QPushButton* button2_;
};
