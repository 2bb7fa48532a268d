#include "app/ClockWindow.h"

#include <QCloseEvent>
#include <QContextMenuEvent>

ClockWindow::ClockWindow() : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint) {
    setWindowTitle(QStringLiteral("chas"));
    setFixedSize(191, 191);
    facePanel_.setParent(this);
    facePanel_.setGeometry(0, 0, 191, 191);
    facePanel_.setFrameStyle(QFrame::Panel | QFrame::Raised);
    facePanel_.setLineWidth(1);
}

void ClockWindow::contextMenuEvent(QContextMenuEvent* event) {
    if (onContextMenu) {
        onContextMenu(event->globalPos());
    }
}

void ClockWindow::closeEvent(QCloseEvent* event) {
    emit closing();
    event->accept();
}
