#pragma once

#include <QPoint>
#include <QRect>

#include "autohide/SlideWindows.h"
#include "state/ClockState.h"

class Platform;

// Slides the clock and its calendar off the right edge of the screen and
// back: by itself once the pointer has stayed away for `hideDelay` seconds,
// at a click on the pull tab, or (without the tab) when the pointer touches
// the top of the right screen edge. The program owns the timers and
// calls the handler of each one from its tick.
//
// "The screen" is the work area of the home monitor, what the desktop's
// panels leave of it: the clock's home is its top right corner, and away
// means the clock's left edge is beyond its right edge.
class AutoHide {
  public:
    static constexpr int kStep = 15;      // pixels per slide tick
    static constexpr int kTabTop = 20;    // below the clock's top edge
    static constexpr int kEdgeWidth = 5;  // pointer columns that bring the clock back

    AutoHide(ClockState& state, ClockTimers timers, const Platform& platform,
             SlideWindows& windows);

    // Where the clock belongs on the current desktop.
    QPoint homePosition() const;
    // The x just past the right edge of the clock's home area: the edge the
    // clock slides off.
    int edge() const;

    // Once, when the pull tab has been created: the on-screen picture, glued to
    // the clock's left edge, and shown.
    void setUpTab();

    void idleCheckTick();  // idle check
    void slideAwayStep();  // one step of the slide away
    void slideBackStep();  // one step of the slide back
    // Screen-edge watch while away without the tab, where the platform
    // cannot tell the pointer's entry into the edge.
    void edgeWatchTick();
    void tabClick();

    void faceEntered();  // pointer on the clock face: no idle time passes
    void faceLeft();
    // While the popup menu is open the clock stays; its closing counts as
    // activity, as a dialog's does.
    void menuOpened();
    void menuClosed();

    // The desktop's size or the set of monitors changed: the clock stays as
    // it was, home or away, at the new edge. A slide under way ends at once
    // where it was going.
    void screensChanged();
    // The window manager keeps the clock at `actual`, not at its home, after
    // it was put there and stayed whole on the screen.
    void clockPlacedElsewhere(QPoint actual);

    bool isAway() const;
    bool isSliding() const;

  private:
    QRect homeArea() const;
    int homeLeft() const;
    int awayLeft() const;
    void endOfSlideAway();
    QRect edgeArea() const;
    bool pointerAtEdge(QPoint p) const;
    void watchEdge();
    void stopEdgeWatch();
    void edgeEntered();
    void goHome();
    void placeCalendarAndTab();
    void attachTab();
    void showTabPicture(TabPicture kind);
    bool pointerOnFace() const;
    void resumeIdleCheck();

    ClockState& state_;
    ClockTimers timers_;
    const Platform& platform_;
    SlideWindows& windows_;
    bool menuOpen_ = false;
    bool faceEntered_ = false;  // an enter seen and its leave not yet
    // From the end of a slide away to the end of the slide back. The clock's
    // position tells as much until the screen changes under it.
    bool away_ = false;
    // Where the window manager keeps the clock from its home: by this much
    // the home moves with it, until the desktop changes.
    QPoint homeShift_;
};
