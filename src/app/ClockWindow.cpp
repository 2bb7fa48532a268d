#include "app/ClockWindow.h"
#include "settings/FormatNames.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>

#include "access/MenuKey.h"

// An ordinary window, not a tool window: window managers keep tool windows
// above the others of their program or of every program, and the clock is
// to be covered by whatever window is raised over it.
ClockWindow::ClockWindow() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(formatnames::clockWindow());
    setFixedSize(191, 191);
    setFocusPolicy(Qt::StrongFocus);
    facePanel_.setParent(this);
    facePanel_.setGeometry(0, 0, 191, 191);
    facePanel_.setFrameStyle(QFrame::Panel | QFrame::Raised);
    facePanel_.setLineWidth(1);
}

void ClockWindow::openMenu() {
    if (onContextMenu) {
        onContextMenu(mapToGlobal(rect().center()), true);
    }
}

// Shown without taking the focus, the clock takes it when the user clicks
// it, as a window does whose frame is clicked.
void ClockWindow::mousePressEvent(QMouseEvent* event) {
    activateWindow();
    setFocus(Qt::MouseFocusReason);
    QWidget::mousePressEvent(event);
}

void ClockWindow::keyPressEvent(QKeyEvent* event) {
    if (menukey::opensMenu(*event)) {
        openMenu();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ClockWindow::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() == QContextMenuEvent::Keyboard) {
        openMenu();
    } else if (onContextMenu) {
        onContextMenu(event->globalPos(), false);
    }
}

void ClockWindow::closeEvent(QCloseEvent* event) {
    emit closing();
    event->accept();
}
