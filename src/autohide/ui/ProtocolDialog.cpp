#include "autohide/ui/ProtocolDialog.h"

#include <QEvent>
#include <QKeyEvent>

#include "autohide/DialogProtocol.h"

ProtocolDialog::ProtocolDialog(DialogProtocol& protocol, std::function<void(int)> showHelp,
                               int helpTopic, QWidget* parent)
    : QDialog(parent), protocol_(protocol), showHelp_(std::move(showHelp)), helpTopic_(helpTopic) {
    setModal(false);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint |
                   Qt::WindowTitleHint);
}

void ProtocolDialog::showAndRaise() {
    show();
    raise();
    activateWindow();
}

bool ProtocolDialog::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) {
        protocol_.dialogActivated();
        activated();
    }
    return QDialog::event(e);
}

void ProtocolDialog::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F1 && showHelp_ && helpTopic_ > 0) {
        showHelp_(helpTopic_);
        return;
    }
    QDialog::keyPressEvent(e);
}

// Every way of closing a QDialog (accept, reject, Escape, the close box) ends here.
void ProtocolDialog::done(int result) {
    QDialog::done(result);
    protocol_.dialogClosed();
    closed();
}
