#pragma once

#include <QDialog>
#include <functional>

class DialogProtocol;

// Base of every dialog that the clock's menu opens: modeless, kept for the
// whole run, pausing auto-hide while open. Each time it becomes the active
// window it marks itself open and runs activated(); whenever it closes (a
// button, the close box, Escape) it marks itself closed and runs closed().
// F1 asks for the help topic given.
class ProtocolDialog : public QDialog {
    Q_OBJECT
  public:
    ProtocolDialog(DialogProtocol& protocol, std::function<void(int)> showHelp, int helpTopic,
                   QWidget* parent = nullptr);

    // Makes the dialog visible and brings it to the front; a dialog already
    // visible is only brought forward.
    void showAndRaise();

  protected:
    virtual void activated() {}
    virtual void closed() {}

    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void done(int result) override;

  private:
    DialogProtocol& protocol_;
    std::function<void(int)> showHelp_;
    int helpTopic_;
};
