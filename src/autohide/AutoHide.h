#pragma once

#include <QPoint>

#include "autohide/SlideWindows.h"
#include "config/ClockState.h"

class Platform;
class TimerSwitch;

// Slides the clock and its calendar off the right edge of the screen and
// back: by itself once the pointer has stayed away for `hideDelay` seconds,
// at a click on the pull tab, or (without the tab) when the pointer touches
// the top of the right screen edge. The clock window owns the timers and
// calls the handler of each one from its tick; the pull tab owns `vid`.
//
// "The screen" is the desktop's right edge at its top: the clock's home has
// its right edge there, and away means its left edge is beyond it.
class AutoHide {
  public:
    static constexpr int kStep = 15;      // pixels per slide tick
    static constexpr int kTabTop = 20;    // below the clock's top edge
    static constexpr int kEdgeWidth = 5;  // pointer columns that bring the clock back

    AutoHide(ClockState& state, ClockTimers timers, TimerSwitch& vid, const Platform& platform,
             SlideWindows& windows);

    // Where the clock belongs on the current desktop.
    QPoint homePosition() const;

    // Once, when the pull tab has been created: the on-screen picture, glued to
    // the clock's left edge, and shown.
    void setUpTab();

    void t1Timer();     // idle check
    void zadTimer();    // one step of the slide away
    void otkTimer();    // one step of the slide back
    void bezknTimer();  // screen-edge watch while away without the tab
    void vidTimer();    // keeps the tab glued and on top while away
    void tabClick();

    void imMouseEnter();  // pointer on the clock face: no idle time passes
    void imMouseLeave();
    void pmPopup();  // the main menu opened

    // The desktop's size or the set of monitors changed: whatever was going
    // on, the clock goes back home with its calendar and tab.
    void screensChanged();

    bool isAway() const;
    bool isSliding() const;

  private:
    int screenRight() const;
    int homeLeft() const;
    void placeCalendarAndTab();
    void attachTab();
    void showTabPicture(TabPicture kind);

    ClockState& state_;
    ClockTimers timers_;
    TimerSwitch& vid_;
    const Platform& platform_;
    SlideWindows& windows_;
};
