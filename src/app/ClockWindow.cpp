#include "app/ClockWindow.h"

#include <QCloseEvent>
#include <QContextMenuEvent>

ClockWindow::ClockWindow()
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setWindowTitle(QStringLiteral("chas"));
    setObjectName(QStringLiteral("chas"));
    setFixedSize(191, 191);
    tcif_.setParent(this);
    tcif_.setGeometry(0, 0, 191, 191);
    tcif_.setFrameStyle(QFrame::Panel | QFrame::Raised);
    tcif_.setLineWidth(1);

    // str, nap and napr run from the end of start-up; the others are
    // switched on by what they serve.
    const std::pair<QTimer*, int> periods[] = {{&t1, 1000},  {&zad, 75},   {&otk, 75},
                                               {&str, 100},  {&nap, 1000}, {&napr, 1000},
                                               {&bezkn, 100}};
    for (const auto& [timer, ms] : periods) {
        timer->setInterval(ms);
    }
}

ClockTimers ClockWindow::timers() {
    return {&t1Switch_,  &zadSwitch_,  &otkSwitch_,  &strSwitch_,
            &napSwitch_, &naprSwitch_, &bezknSwitch_};
}

void ClockWindow::contextMenuEvent(QContextMenuEvent* event) {
    if (onContextMenu) {
        onContextMenu(event->globalPos());
    }
}

void ClockWindow::closeEvent(QCloseEvent* event) {
    for (QTimer* timer : {&t1, &zad, &otk, &str, &nap, &napr, &bezkn}) {
        timer->stop();
    }
    emit closing();
    event->accept();
}
