#pragma once

#include <QDialog>
#include <QPointer>
#include <QPushButton>
#include <functional>

class DialogProtocol;
class Platform;

// Base of every dialog that the clock's menu opens: modeless, kept for the
// whole run, pausing auto-hide while open. Each time it becomes the active
// window it marks itself open and runs activated(); whenever it closes (a
// button, the close box, Escape) it marks itself closed and runs closed().
// F1 asks for the help topic given. From the keyboard, Escape cancels and
// Enter presses the focused button, or the dialog's confirm button when the
// focus is on no button.
class ClockDialog : public QDialog {
    Q_OBJECT
  public:
    ClockDialog(DialogProtocol& protocol, std::function<void(int)> showHelp, int helpTopic,
                QWidget* parent = nullptr);

    // Makes the dialog visible and brings it to the front; a dialog already
    // visible is only brought forward.
    void showAndRaise();

  protected:
    // In the middle of what the panels leave of the clock's monitor.
    void centreOnClocksMonitor(const Platform& platform);

    virtual void activated() {}
    virtual void closed() {}

    // True, once, when this activation only ends one of the dialog's own
    // modal boxes (a refusal message, a file chooser) rather than bringing
    // the dialog back from another window. Editors re-initialise their fields
    // on the second kind only, so a refusal never wipes what the user was
    // correcting.
    bool returningFromOwnBox();
    // Runs `box`, which returns whether it showed one of the dialog's own
    // boxes. The platform's boxes are windows of their own that need not be
    // modal to Qt: closing one makes the dialog active again, which must not
    // count as the user coming back.
    void withOwnBox(const std::function<bool()>& box);

    // The button Enter presses (the dialog's OK), looking as it did: no
    // default-button frame is drawn for it.
    void setConfirmButton(QPushButton* button) { confirmButton_ = button; }

    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void done(int result) override;

  private:
    DialogProtocol& protocol_;
    std::function<void(int)> showHelp_;
    int helpTopic_;
    bool lentToOwnBox_ = false;
    bool boxOpen_ = false;        // withOwnBox() is showing a box
    bool returnPending_ = false;  // the activation that ends that box is still to come
    QPointer<QPushButton> confirmButton_;
};
