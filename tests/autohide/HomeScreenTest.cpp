#include <gtest/gtest.h>

#include "autohide/HomeScreen.h"

// The clock hangs from the monitor whose right edge is the desktop's: sliding
// off that edge leaves every monitor. Its corner is that of the monitor's
// work area.
TEST(HomeScreen, IsTheMonitorAtTheDesktopsRightEdge) {
    struct Case {
        const char* layout;
        QList<QRect> screens;
        QRect home;
    };
    const QRect left(0, 0, 1920, 1080);
    for (const Case& c : {
             Case{"one", {left}, left},
             Case{"side by side, listed right first",
                  {{1920, 0, 1280, 1024}, left},
                  {1920, 0, 1280, 1024}},
             Case{"right one lower", {left, {1920, 300, 1280, 1024}}, {1920, 300, 1280, 1024}},
             Case{"right one left of the origin", {left, {-1280, 0, 1280, 1024}}, left},
             Case{"stacked, same right edge: the upper", {{0, 1080, 1920, 1080}, left}, left},
             Case{"a monitor of no size is no monitor", {left, {5000, 0, 0, 0}}, left},
             Case{"mirrored", {left, left}, left},
             Case{"none", {}, {0, 0, 1024, 768}},
         }) {
        QList<Monitor> monitors;
        for (const QRect& screen : c.screens) {
            monitors << Monitor{screen, screen.adjusted(0, 30, 0, 0)};
        }
        const Monitor home = homeScreen(monitors);
        EXPECT_EQ(home.geometry, c.home) << c.layout;
        if (!c.screens.isEmpty()) {
            EXPECT_EQ(home.workArea, c.home.adjusted(0, 30, 0, 0)) << c.layout;
        }
    }
}

// A work area that is no part of its monitor would put the clock elsewhere.
TEST(HomeScreen, KeepsTheClockOnItsMonitor) {
    struct Case {
        const char* what;
        QRect workArea;
        QRect used;
    };
    const QRect screen(0, 0, 1280, 1024);
    for (const Case& c : {
             Case{"below a panel", {0, 27, 1280, 997}, {0, 27, 1280, 997}},
             Case{"none told", {}, screen},
             Case{"beyond the monitor", {1280, 0, 100, 100}, screen},
             Case{"larger than the monitor", {0, 0, 2560, 1024}, screen},
         }) {
        EXPECT_EQ(homeScreen({Monitor{screen, c.workArea}}).workArea, c.used) << c.what;
    }
}
