#pragma once

#include <QString>

// The pull tab's two pictures: one while the clock is on screen, one while it
// is away. A window that cannot load the file still needs to know which tab
// to draw in its place.
enum class TabPicture { OnScreen, Away };

// The windows that auto-hide moves: the clock, the calendar hanging below it
// and the pull tab at the clock's left edge. The clock window implements this
// over its real windows; tests over plain numbers. Coordinates are screen
// pixels of the windows' outer edges, where the whole window would be: the
// clock and the calendar may lie partly or wholly beyond the screen's edge.
class SlideWindows {
  public:
    virtual ~SlideWindows() = default;

    virtual int clockLeft() const = 0;
    virtual int clockTop() const = 0;
    virtual int clockWidth() const = 0;
    virtual int clockHeight() const = 0;
    virtual void moveClock(int left, int top) = 0;
    // Makes the clock visible and brings it to the front.
    virtual void showClock() = 0;

    // With no calendar window the height is 0 and moves do nothing.
    virtual int calendarHeight() const = 0;
    virtual void moveCalendar(int left, int top) = 0;

    virtual int tabWidth() const = 0;
    virtual void moveTab(int left, int top) = 0;
    virtual void showTab() = 0;
    virtual void hideTab() = 0;
    // Loads `path` as the tab's picture, resizes and shapes the tab to it and
    // redraws; a picture that cannot be loaded gives a plain tab of `kind`.
    virtual void setTabPicture(TabPicture kind, const QString& path) = 0;
};
