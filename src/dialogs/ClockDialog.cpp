#include "dialogs/ClockDialog.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <utility>

#include "autohide/DialogProtocol.h"
#include "autohide/HomeScreen.h"
#include "dialogs/FormFont.h"
#include "dialogs/TextFit.h"
#include "platform/Platform.h"

ClockDialog::ClockDialog(DialogProtocol& protocol, std::function<void(int)> showHelp, int helpTopic,
                         QWidget* parent)
    : QDialog(parent), protocol_(protocol), showHelp_(std::move(showHelp)), helpTopic_(helpTopic) {
    setModal(false);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint |
                   Qt::WindowTitleHint);
    setFont(formFont(11));
}

void ClockDialog::showAndRaise() {
    show();
    raise();
    activateWindow();
}

bool ClockDialog::returningFromOwnBox() {
    const bool fromBox = boxOpen_ || returnPending_ || lentToOwnBox_;
    returnPending_ = false;
    lentToOwnBox_ = false;
    return fromBox;
}

// When the box has already handed the focus back, its return has been seen
// (while it was open); otherwise the next activation is that return.
void ClockDialog::withOwnBox(const std::function<bool()>& box) {
    boxOpen_ = true;
    const bool shown = box();
    boxOpen_ = false;
    if (shown) {
        returnPending_ = !isActiveWindow();
    }
}

bool ClockDialog::event(QEvent* e) {
    switch (e->type()) {
        case QEvent::WindowDeactivate: {
            const QWidget* modal = QApplication::activeModalWidget();
            lentToOwnBox_ = modal && modal != this && modal->isVisible();
            if (!boxOpen_) {
                returnPending_ = false;  // the user went elsewhere; coming back counts
            }
            break;
        }
        case QEvent::Show:
            lentToOwnBox_ = false;  // shown anew: every activation counts
            break;
        case QEvent::WindowActivate:
            protocol_.dialogActivated();
            activated();
            textfit::fitControls(this);  // the texts may just have come from a language file
            break;
        default:
            break;
    }
    return QDialog::event(e);
}

void ClockDialog::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F1 && showHelp_ && helpTopic_ > 0) {
        showHelp_(helpTopic_);
        return;
    }
    // Reaches here when the focused control leaves Enter alone: a line
    // edit, a list, a button that is not pressed by Enter of itself.
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers modifiers = e->modifiers() & ~Qt::KeypadModifier;
    if (enter && modifiers == Qt::NoModifier) {
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        QPushButton* pressed = focused ? focused : confirmButton_.data();
        if (pressed && pressed->isVisible() && pressed->isEnabled()) {
            pressed->click();
            return;
        }
    }
    QDialog::keyPressEvent(e);
}

// Every way of closing a QDialog (accept, reject, Escape, the close box) ends here.
void ClockDialog::done(int result) {
    QDialog::done(result);
    returnPending_ = false;
    protocol_.dialogClosed();
    closed();
}

void ClockDialog::centreOnClocksMonitor(const Platform& platform) {
    move(homeScreen(platform.monitors()).workArea.center() - rect().center());
}
