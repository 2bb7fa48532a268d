#include "autohide/ui/WidgetSlideWindows.h"

#include <QWidget>

#include "autohide/ui/PullTabWindow.h"

WidgetSlideWindows::WidgetSlideWindows(QWidget& clock, PullTabWindow& tab, QWidget* calendar)
    : clock_(clock), tab_(tab), calendar_(calendar) {}

// The windows are frameless, so their frame and client geometry coincide.
int WidgetSlideWindows::clockLeft() const {
    return clock_.x();
}
int WidgetSlideWindows::clockTop() const {
    return clock_.y();
}
int WidgetSlideWindows::clockWidth() const {
    return clock_.width();
}
int WidgetSlideWindows::clockHeight() const {
    return clock_.height();
}
void WidgetSlideWindows::moveClock(int left, int top) {
    clock_.move(left, top);
}
void WidgetSlideWindows::showClock() {
    clock_.show();
    clock_.raise();
}

int WidgetSlideWindows::calendarHeight() const {
    return calendar_ ? calendar_->height() : 0;
}
void WidgetSlideWindows::moveCalendar(int left, int top) {
    if (calendar_) {
        calendar_->move(left, top);
    }
}

int WidgetSlideWindows::tabWidth() const {
    return tab_.width();
}
// The tab watch glues the tab twice a second; a move to where it already is
// would still be a request to the X server and a wake-up of the tab.
void WidgetSlideWindows::moveTab(int left, int top) {
    if (tab_.pos() != QPoint(left, top)) {
        tab_.move(left, top);
    }
}
void WidgetSlideWindows::showTab() {
    tab_.show();
}
void WidgetSlideWindows::hideTab() {
    tab_.hide();
}
void WidgetSlideWindows::setTabPicture(TabPicture kind, const QString& path) {
    tab_.setPicture(kind, path);
}
// On X11 a stays-on-top window only needs raising among its kind.
void WidgetSlideWindows::keepTabOnTop() {
    tab_.raise();
}
