#include "autohide/ui/WidgetSlideWindows.h"

#include <QEvent>
#include <QWidget>
#include <algorithm>
#include <utility>

#include "autohide/ui/PullTabWindow.h"

WidgetSlideWindows::WidgetSlideWindows(QWidget& clock, PullTabWindow& tab, QWidget* calendar,
                                       std::function<int()> screenRight)
    : clock_(clock), tab_(tab), calendar_(calendar), screenRight_(std::move(screenRight)) {
    // The windows are frameless, so their frame and client geometry coincide.
    clockCut_ = {clock.size(), clock.pos()};
    clock.setMinimumSize(1, clock.height());
    clock.setMaximumSize(clock.size());
    if (calendar) {
        calendarCut_ = {calendar->size(), calendar->pos()};
        calendar->setMinimumSize(1, calendar->height());
        calendar->setMaximumSize(calendar->size());
    }
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    connect(&settle_, &QTimer::timeout, this, &WidgetSlideWindows::comparePlacement);
    clock.installEventFilter(this);
}

// Every move of the clock, asked for or made by the window manager, starts
// the moment afresh: a slide compares nothing until it has ended.
bool WidgetSlideWindows::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &clock_ && (event->type() == QEvent::Move || event->type() == QEvent::Show)) {
        settle_.start();
    }
    return QObject::eventFilter(watched, event);
}

// A desktop that places the windows itself keeps them where it is told; a
// clock found elsewhere there was put back by a request of the window's
// own, and goes where it belongs again.
void WidgetSlideWindows::comparePlacement() {
    const bool whole =
        !clockCut_.unmapped && clock_.isVisible() && clock_.width() == clockCut_.size.width();
    if (!whole || clock_.pos() == clockCut_.at) {
        return;
    }
    if (placedByDesktop_) {
        fit(clock_, clockCut_);
    } else if (placedElsewhere_) {
        placedElsewhere_(clock_.pos());
    }
}

void WidgetSlideWindows::fit(QWidget& window, Cut& cut) {
    placedByDesktop_ = desktopPlaces_ && desktopPlaces_(window, cut.at);
    if (placedByDesktop_) {
        return;
    }
    const int shown = std::min(cut.size.width(), screenRight_() - cut.at.x());
    if (shown <= 0) {
        if (window.isVisible()) {
            window.hide();
            cut.unmapped = true;
        }
        return;
    }
    const QRect part(cut.at, QSize(shown, cut.size.height()));
    if (window.geometry() != part) {
        window.setGeometry(part);
    }
    if (cut.unmapped) {
        cut.unmapped = false;
        window.show();
    }
}

void WidgetSlideWindows::moveClock(int left, int top) {
    clockCut_.at = QPoint(left, top);
    fit(clock_, clockCut_);
}

void WidgetSlideWindows::showClock() {
    fit(clock_, clockCut_);
    // Beyond the edge it is mapped by the first step that brings part of it back.
    if (!clockCut_.unmapped) {
        clock_.show();
        // Such a desktop takes a request to restack as one to move.
        if (!placedByDesktop_) {
            clock_.raise();
        }
    }
}

int WidgetSlideWindows::calendarHeight() const {
    return calendar_ ? calendarCut_.size.height() : 0;
}

void WidgetSlideWindows::moveCalendar(int left, int top) {
    if (calendar_) {
        calendarCut_.at = QPoint(left, top);
        fit(*calendar_, calendarCut_);
    }
}

int WidgetSlideWindows::tabWidth() const {
    return tab_.width();
}
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
