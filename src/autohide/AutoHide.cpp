#include "autohide/AutoHide.h"

#include <QRect>

#include "autohide/SlideWindows.h"
#include "config/TimerSwitch.h"
#include "platform/Platform.h"

AutoHide::AutoHide(ClockState& state, ClockTimers timers, TimerSwitch& vid,
                   const Platform& platform, SlideWindows& windows)
    : state_(state), timers_(timers), vid_(vid), platform_(platform), windows_(windows) {}

int AutoHide::screenRight() const {
    const QRect desktop = platform_.desktopRect();
    return desktop.x() + desktop.width();
}

int AutoHide::homeLeft() const {
    return screenRight() - windows_.clockWidth();
}

QPoint AutoHide::homePosition() const {
    return {homeLeft(), platform_.desktopRect().top()};
}

bool AutoHide::isAway() const {
    return windows_.clockLeft() > screenRight();
}

bool AutoHide::isSliding() const {
    return timers_.zad->enabled() || timers_.otk->enabled();
}

void AutoHide::attachTab() {
    windows_.moveTab(windows_.clockLeft() - windows_.tabWidth(), windows_.clockTop() + kTabTop);
}

void AutoHide::placeCalendarAndTab() {
    windows_.moveCalendar(windows_.clockLeft(), windows_.clockTop() + windows_.clockHeight());
    attachTab();
}

// The two pictures may differ in width, so the tab is glued again after the
// change rather than left where the slide put it.
void AutoHide::showTabPicture(TabPicture kind) {
    const QString file =
        kind == TabPicture::Away ? QStringLiteral("kno.bmp") : QStringLiteral("knz.bmp");
    windows_.hideTab();
    windows_.setTabPicture(
        kind, state_.programFolder.path(QStringLiteral("\\skins\\") + state_.skinName + file));
    attachTab();
    windows_.showTab();
}

void AutoHide::setUpTab() {
    windows_.setTabPicture(TabPicture::OnScreen,
                           state_.programFolder.path(QStringLiteral("\\skins\\") + state_.skinName +
                                                     QStringLiteral("knz.bmp")));
    attachTab();
    // Shown even without the tab: the window then hides itself when painted.
    windows_.showTab();
}

void AutoHide::t1Timer() {
    // Away or on the way, the clock is not idling at home: a dialog closing or
    // a sound ending then must not push it further off, where the tab would
    // follow it out of sight.
    if (!state_.settings.autoHide() || state_.dialogOpen || isSliding() || isAway()) {
        timers_.t1->disable();
        return;
    }
    const QDateTime now = platform_.now();
    // A clock turned back would otherwise hold auto-hide off until the time
    // caught up again; the idle time counts afresh instead.
    if (!state_.lastActivity.isValid() || now < state_.lastActivity) {
        state_.lastActivity = now;
    }
    const qint64 idle = state_.lastActivity.secsTo(now);
    if (idle >= state_.settings.hideDelay()) {
        timers_.zad->enable();
        timers_.t1->disable();
    }
}

void AutoHide::zadTimer() {
    windows_.moveClock(windows_.clockLeft() + kStep, windows_.clockTop());
    placeCalendarAndTab();
    if (windows_.clockLeft() <= screenRight()) {
        return;
    }
    timers_.zad->disable();
    if (!state_.settings.noPullTab()) {
        vid_.enable();
        showTabPicture(TabPicture::Away);
    } else {
        timers_.bezkn->enable();
    }
}

void AutoHide::otkTimer() {
    windows_.moveClock(windows_.clockLeft() - kStep, windows_.clockTop());
    placeCalendarAndTab();
    if (windows_.clockLeft() > homeLeft()) {
        return;
    }
    // From home the steps land exactly on it; after the screen's width changed
    // they overshoot, and a clock left off home would make the tab's next
    // click do nothing.
    if (windows_.clockLeft() != homeLeft()) {
        windows_.moveClock(homeLeft(), windows_.clockTop());
        placeCalendarAndTab();
    }
    timers_.otk->disable();
    state_.lastActivity = platform_.now();
    timers_.t1->enable();
    if (!state_.settings.noPullTab()) {
        showTabPicture(TabPicture::OnScreen);
    }
}

void AutoHide::bezknTimer() {
    const QPoint p = platform_.cursorPos();
    const int reach = windows_.clockTop() + windows_.clockHeight() + windows_.calendarHeight();
    if (p.x() >= screenRight() - kEdgeWidth && p.y() <= reach) {
        timers_.otk->enable();
        timers_.bezkn->disable();
    }
}

void AutoHide::vidTimer() {
    attachTab();
    windows_.keepTabOnTop();
}

void AutoHide::tabClick() {
    attachTab();
    if (isSliding()) {
        return;
    }
    if (isAway()) {
        windows_.showClock();
        timers_.otk->enable();
        vid_.disable();
    } else {
        // At home, or resting anywhere on screen: slide away whatever
        // auto-hide says.
        timers_.t1->disable();
        timers_.zad->enable();
    }
}

void AutoHide::imMouseEnter() {
    timers_.t1->disable();
}

void AutoHide::imMouseLeave() {
    state_.lastActivity = platform_.now();
    timers_.t1->enable();
}

void AutoHide::pmPopup() {
    state_.lastActivity = platform_.now();
}

void AutoHide::screensChanged() {
    timers_.zad->disable();
    timers_.otk->disable();
    timers_.bezkn->disable();
    vid_.disable();
    const QPoint home = homePosition();
    windows_.moveClock(home.x(), home.y());
    windows_.showClock();
    placeCalendarAndTab();
    if (state_.settings.noPullTab()) {
        windows_.hideTab();
    } else {
        showTabPicture(TabPicture::OnScreen);
    }
    state_.lastActivity = platform_.now();
    const QPoint p = platform_.cursorPos();
    const QRect face(home, QSize(windows_.clockWidth(), windows_.clockHeight()));
    if (state_.settings.autoHide() && !face.contains(p)) {
        timers_.t1->enable();
    } else {
        timers_.t1->disable();
    }
}
