#include <gtest/gtest.h>

#include "autohide/HomeScreen.h"

// The clock hangs from the monitor whose right edge is the desktop's: sliding
// off that edge leaves every monitor.
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
        EXPECT_EQ(homeScreen(c.screens), c.home) << c.layout;
    }
}
