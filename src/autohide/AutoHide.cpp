#include "autohide/AutoHide.h"

#include <QRect>
#include <algorithm>

#include "autohide/HomeScreen.h"
#include "autohide/SlideWindows.h"
#include "platform/Platform.h"
#include "settings/FormatNames.h"
#include "settings/SkinFiles.h"
#include "state/TimerSwitch.h"

AutoHide::AutoHide(ClockState& state, ClockTimers timers, const Platform& platform,
                   SlideWindows& windows)
    : state_(state), timers_(timers), platform_(platform), windows_(windows) {}

QRect AutoHide::homeArea() const {
    return homeScreen(platform_.monitors()).workArea;
}

int AutoHide::edge() const {
    const QRect area = homeArea();
    return area.x() + area.width() + homeShift_.x();
}

int AutoHide::homeLeft() const {
    return edge() - windows_.clockWidth();
}

// Where the slide away ends: the first of its steps beyond the screen.
int AutoHide::awayLeft() const {
    return homeLeft() + kStep * (windows_.clockWidth() / kStep + 1);
}

QPoint AutoHide::homePosition() const {
    return {homeLeft(), homeArea().top() + homeShift_.y()};
}

bool AutoHide::isAway() const {
    return windows_.clockLeft() > edge();
}

bool AutoHide::isSliding() const {
    return timers_.slideAway->enabled() || timers_.slideBack->enabled();
}

// The tab hangs at the clock's left edge, but never past the screen's: a
// window manager would not let it go there, and a tab cut off by the edge is
// harder to hit.
void AutoHide::attachTab() {
    const int left = std::min(windows_.clockLeft(), edge()) - windows_.tabWidth();
    windows_.moveTab(left, windows_.clockTop() + kTabTop);
}

void AutoHide::placeCalendarAndTab() {
    windows_.moveCalendar(windows_.clockLeft(), windows_.clockTop() + windows_.clockHeight());
    attachTab();
}

// The two pictures may differ in width, so the tab is glued again after the
// change rather than left where the slide put it. The tab changes its picture
// in place: unmapped and mapped again at once, a managed window may stay
// unmapped where the window manager sees the two out of order.
void AutoHide::showTabPicture(TabPicture kind) {
    const QString file =
        kind == TabPicture::Away ? formatnames::tabAwaySuffix() : formatnames::tabHomeSuffix();
    windows_.setTabPicture(kind, skinfiles::path(state_.programFolder, state_.skinName, file));
    attachTab();
    windows_.showTab();
}

void AutoHide::setUpTab() {
    windows_.setTabPicture(
        TabPicture::OnScreen,
        skinfiles::path(state_.programFolder, state_.skinName, formatnames::tabHomeSuffix()));
    attachTab();
    // Shown even without the tab: the window then hides itself when painted.
    windows_.showTab();
}

bool AutoHide::pointerOnFace() const {
    const QRect face(windows_.clockLeft(), windows_.clockTop(), windows_.clockWidth(),
                     windows_.clockHeight());
    return face.contains(platform_.cursorPos());
}

// The idle time counts afresh. A pointer already on the face stops the check
// as its enter would, but only once that enter has arrived: the leave that
// follows it switches the check on again. Without it the check keeps running
// and each tick sees the pointer for itself.
void AutoHide::resumeIdleCheck() {
    state_.lastActivity = platform_.now();
    if (faceEntered_ && pointerOnFace()) {
        timers_.idleCheck->disable();
    } else {
        timers_.idleCheck->enable();
    }
}

void AutoHide::idleCheckTick() {
    // Away or on the way, the clock is not idling at home: a dialog closing or
    // a sound ending then must not push it further off, where the tab would
    // follow it out of sight.
    if (!state_.settings.autoHide() || state_.dialogOpen || menuOpen_ || isSliding() || isAway()) {
        timers_.idleCheck->disable();
        return;
    }
    // Enter and leave arrive as the window system sends them, and a slide or
    // a popup may leave them out of step with the pointer; a pointer on the
    // face is never idle, whatever they said.
    if (pointerOnFace()) {
        resumeIdleCheck();
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
        timers_.slideAway->enable();
        timers_.idleCheck->disable();
    }
}

void AutoHide::slideAwayStep() {
    windows_.moveClock(windows_.clockLeft() + kStep, windows_.clockTop());
    placeCalendarAndTab();
    if (windows_.clockLeft() > edge()) {
        endOfSlideAway();
    }
}

// The tab stays above the other windows by itself; without it the pointer at
// the edge is watched for.
void AutoHide::endOfSlideAway() {
    away_ = true;
    timers_.slideAway->disable();
    if (!state_.settings.noPullTab()) {
        showTabPicture(TabPicture::Away);
    } else {
        watchEdge();
    }
}

QRect AutoHide::edgeArea() const {
    const int reach = windows_.clockTop() + windows_.clockHeight() + windows_.calendarHeight();
    const int top = std::min(homeScreen(platform_.monitors()).geometry.top(), reach);
    return QRect(QPoint(edge() - kEdgeWidth, top), QPoint(edge() - 1, reach));
}

bool AutoHide::pointerAtEdge(QPoint p) const {
    const int reach = windows_.clockTop() + windows_.clockHeight() + windows_.calendarHeight();
    return p.x() >= edge() - kEdgeWidth && p.y() <= reach;
}

// The window system tells when the pointer enters the edge; only where it
// cannot is the pointer looked at ten times a second. A pointer already
// there brings the clock back at once, as the first look would.
void AutoHide::watchEdge() {
    stopEdgeWatch();
    if (pointerAtEdge(platform_.cursorPos())) {
        timers_.slideBack->enable();
        return;
    }
    PointerArea* area = platform_.pointerArea();
    if (area && area->watch(edgeArea(), [this] { edgeEntered(); })) {
        return;
    }
    timers_.edgeWatch->enable();
}

void AutoHide::stopEdgeWatch() {
    timers_.edgeWatch->disable();
    if (PointerArea* area = platform_.pointerArea()) {
        area->stop();
    }
}

void AutoHide::edgeEntered() {
    if (away_ && !isSliding()) {
        stopEdgeWatch();
        timers_.slideBack->enable();
    }
}

void AutoHide::slideBackStep() {
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
    timers_.slideBack->disable();
    away_ = false;
    // The pointer that clicked the tab is often on the face now, its enter
    // having arrived while the clock was still moving.
    resumeIdleCheck();
    if (!state_.settings.noPullTab()) {
        showTabPicture(TabPicture::OnScreen);
    }
}

void AutoHide::edgeWatchTick() {
    if (pointerAtEdge(platform_.cursorPos())) {
        timers_.slideBack->enable();
        timers_.edgeWatch->disable();
    }
}

void AutoHide::tabClick() {
    attachTab();
    if (isSliding()) {
        return;
    }
    if (isAway()) {
        stopEdgeWatch();
        windows_.showClock();
        timers_.slideBack->enable();
    } else {
        // At home, or resting anywhere on screen: slide away whatever
        // auto-hide says.
        timers_.idleCheck->disable();
        timers_.slideAway->enable();
    }
}

void AutoHide::faceEntered() {
    faceEntered_ = true;
    timers_.idleCheck->disable();
}

void AutoHide::faceLeft() {
    faceEntered_ = false;
    state_.lastActivity = platform_.now();
    timers_.idleCheck->enable();
}

// The menu opens under the pointer, so the face reports a leave as it opens.
void AutoHide::menuOpened() {
    menuOpen_ = true;
    state_.lastActivity = platform_.now();
    timers_.idleCheck->disable();
}

void AutoHide::menuClosed() {
    menuOpen_ = false;
    resumeIdleCheck();
}

void AutoHide::screensChanged() {
    homeShift_ = {};
    if (timers_.slideAway->enabled() || (away_ && !timers_.slideBack->enabled())) {
        const bool wasSliding = timers_.slideAway->enabled();
        windows_.moveClock(awayLeft(), homePosition().y());
        placeCalendarAndTab();
        if (wasSliding) {
            endOfSlideAway();
        } else if (state_.settings.noPullTab()) {
            watchEdge();  // the edge moved
        }
        return;
    }
    goHome();
}

// A panel the desktop does not tell of, or a manager that keeps windows off
// a part of the screen: the calendar and the tab follow the clock to where
// it is kept, and so does the slide's edge. A place off the clock's monitor
// is left alone: no panel puts it there.
void AutoHide::clockPlacedElsewhere(QPoint actual) {
    const QPoint home = homePosition();
    const QRect placed(actual, QSize(windows_.clockWidth(), windows_.clockHeight()));
    if (isSliding() || away_ || windows_.clockLeft() != home.x() ||
        windows_.clockTop() != home.y() ||
        !homeScreen(platform_.monitors()).geometry.contains(placed)) {
        return;
    }
    homeShift_ += actual - home;
    const QPoint now = homePosition();
    windows_.moveClock(now.x(), now.y());
    placeCalendarAndTab();
}

void AutoHide::goHome() {
    away_ = false;
    timers_.slideAway->disable();
    timers_.slideBack->disable();
    stopEdgeWatch();
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
        timers_.idleCheck->enable();
    } else {
        timers_.idleCheck->disable();
    }
}
