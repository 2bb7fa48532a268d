#include "AutoHideFixture.h"

using Slide = AutoHideFixture;

TEST_F(Slide, AwayTakesThirteenStepsWithCalendarAndTabAlong) {
    timers.slideAway.enable();
    for (int step = 1; step <= 13; ++step) {
        autoHide.slideAwayStep();
        EXPECT_EQ(windows.clockX, home() + 15 * step) << step;
        EXPECT_EQ(windows.clockY, 0);
        EXPECT_EQ(windows.calendarX, windows.clockX) << step;
        EXPECT_EQ(windows.calendarY, 191);
        EXPECT_TRUE(tabGlued()) << step;
        EXPECT_EQ(timers.slideAway.enabled(), step < 13) << step;
    }
    EXPECT_EQ(windows.clockX, 1024 + 4);
    EXPECT_TRUE(autoHide.isAway());
    EXPECT_FALSE(timers.edgeWatch.enabled());
    EXPECT_EQ(windows.tabKind, TabPicture::Away);
    EXPECT_EQ(windows.tabPath, QStringLiteral("/opt/chronidex/skins/Bluekno.bmp"));
    EXPECT_TRUE(windows.tabVisible);
    // The away picture is wider; the tab is glued again at once.
    EXPECT_EQ(windows.tabW, 14);
    EXPECT_TRUE(tabGlued());
}

TEST_F(Slide, BackTakesTheSameStepsAndEndsExactlyAtHome) {
    slideAway();
    advance(2000);
    timers.slideBack.enable();
    for (int step = 1; step <= 13; ++step) {
        autoHide.slideBackStep();
        EXPECT_EQ(windows.clockX, 1028 - 15 * step) << step;
        EXPECT_EQ(windows.calendarX, windows.clockX) << step;
        EXPECT_TRUE(tabGlued()) << step;
        EXPECT_EQ(timers.slideBack.enabled(), step < 13) << step;
    }
    EXPECT_EQ(windows.clockX, home());
    EXPECT_FALSE(autoHide.isAway());
    EXPECT_TRUE(timers.idleCheck.enabled());
    EXPECT_EQ(state.lastActivity, platform.clock);
    EXPECT_EQ(windows.tabKind, TabPicture::OnScreen);
    EXPECT_EQ(windows.tabPath, QStringLiteral("/opt/chronidex/skins/Blueknz.bmp"));
    EXPECT_TRUE(windows.tabVisible);
    EXPECT_TRUE(tabGlued());
}

// The slide ends at the first step beyond the screen: 15·n > W.
TEST_F(Slide, StepCountFollowsTheClockWidth) {
    for (const auto& [width, steps] : {std::pair{191, 13}, {180, 13}, {179, 12}, {15, 2}}) {
        windows.clockW = width;
        windows.clockX = home();
        EXPECT_EQ(slideAway(), steps) << width;
        EXPECT_GT(windows.clockX, 1024) << width;
        EXPECT_EQ(slideBack(), steps) << width;
        EXPECT_EQ(windows.clockX, home()) << width;
    }
}

TEST_F(Slide, WithoutTheTabTheEdgeWatchTakesOver) {
    state.settings.setNoPullTab(true);
    const int changes = windows.pictureChanges;
    slideAway();
    EXPECT_TRUE(timers.edgeWatch.enabled());
    EXPECT_EQ(windows.pictureChanges, changes);
    slideBack();
    EXPECT_EQ(windows.clockX, home());
    EXPECT_TRUE(timers.idleCheck.enabled());
    EXPECT_EQ(windows.pictureChanges, changes);
}

// With several monitors the desktop is their union; the clock hangs from its
// right edge at its top, which need not be at 0.
TEST_F(Slide, HomeIsTheTopRightOfTheWholeDesktop) {
    platform.desktop = QRect(-1280, -200, 1280 + 1920, 1280);
    EXPECT_EQ(autoHide.homePosition(), QPoint(1920 - 191, -200));
    autoHide.screensChanged();
    EXPECT_EQ(windows.clockX, 1729);
    EXPECT_EQ(windows.clockY, -200);
    EXPECT_EQ(windows.calendarY, -200 + 191);
    EXPECT_TRUE(tabGlued());
    EXPECT_EQ(windows.tabY, -180);
    EXPECT_EQ(slideAway(), 13);
    EXPECT_EQ(windows.clockX, 1924);
    EXPECT_EQ(slideBack(), 13);
    EXPECT_EQ(windows.clockX, 1729);
}

TEST_F(Slide, ANarrowerScreenEndsTheSlideBackAtItsNewHome) {
    slideAway();  // clock left 1028
    platform.desktop = QRect(0, 0, 800, 600);
    // New home 609: 1028 - 15·28 = 608 is the first step at or left of it.
    EXPECT_EQ(slideBack(), 28);
    EXPECT_EQ(windows.clockX, 609);
    EXPECT_EQ(windows.calendarX, 609);
    EXPECT_TRUE(tabGlued());
    EXPECT_TRUE(timers.idleCheck.enabled());
    // At home the tab works as ever.
    autoHide.tabClick();
    EXPECT_TRUE(timers.slideAway.enabled());
}

TEST_F(Slide, AWiderScreenLeavesTheClockClickableOnScreen) {
    slideAway();  // clock left 1028, tab watch running
    platform.desktop = QRect(0, 0, 1280, 1024);
    EXPECT_FALSE(autoHide.isAway());
    // The clock now rests short of its home; the tab still slides it away
    // and back home.
    autoHide.tabClick();
    EXPECT_TRUE(timers.slideAway.enabled());
    slideAway();
    EXPECT_GT(windows.clockX, 1280);
    autoHide.tabClick();
    slideBack();
    EXPECT_EQ(windows.clockX, 1280 - 191);
}
