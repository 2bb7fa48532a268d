#include "AutoHideFixture.h"

using TabAndEdge = AutoHideFixture;

TEST_F(TabAndEdge, TheTabStartsGluedWithItsOnScreenPicture) {
    EXPECT_EQ(windows.tabKind, TabPicture::OnScreen);
    EXPECT_EQ(windows.tabPath, QStringLiteral("/opt/chronidex/skins/Blueknz.bmp"));
    EXPECT_EQ(windows.tabX, home() - 10);
    EXPECT_EQ(windows.tabY, 20);
}

TEST_F(TabAndEdge, ASkinNameWithAFolderSeparatorGivesThePlainTab) {
    state.skinName = QStringLiteral("../Blue");
    autoHide.setUpTab();
    EXPECT_TRUE(windows.tabPath.isEmpty());
    state.skinName = QStringLiteral("sub\\Blue");
    autoHide.setUpTab();
    EXPECT_TRUE(windows.tabPath.isEmpty());
    EXPECT_TRUE(tabGlued());
}

TEST_F(TabAndEdge, ClickAtHomeSlidesAwayEvenWithAutoHideOff) {
    state.settings.setAutoHide(false);
    timers.idleCheck.enable();
    windows.tabX = 5;
    autoHide.tabClick();
    EXPECT_TRUE(tabGlued());
    EXPECT_FALSE(timers.idleCheck.enabled());
    EXPECT_TRUE(timers.slideAway.enabled());
    EXPECT_EQ(slideAway(), 13);
}

TEST_F(TabAndEdge, ClickWhileAwayBringsTheClockBack) {
    slideAway();
    windows.tabX = 5;
    autoHide.tabClick();
    EXPECT_TRUE(tabGlued());
    EXPECT_EQ(windows.clockShown, 1);
    EXPECT_TRUE(timers.slideBack.enabled());
    EXPECT_FALSE(timers.slideAway.enabled());
}

TEST_F(TabAndEdge, ClickDuringASlideOnlyReattachesTheTab) {
    for (const bool slidingAway : {true, false}) {
        windows.clockX = home();
        if (!slidingAway) {
            slideAway();
        }
        FakeTimer& running = slidingAway ? timers.slideAway : timers.slideBack;
        running.enable();
        for (int step = 0; step < 5; ++step) {
            slidingAway ? autoHide.slideAwayStep() : autoHide.slideBackStep();
        }
        const int left = windows.clockX;
        windows.tabX = 5;
        autoHide.tabClick();
        EXPECT_TRUE(tabGlued()) << slidingAway;
        EXPECT_EQ(windows.clockX, left) << slidingAway;
        EXPECT_TRUE(running.enabled()) << slidingAway;
        EXPECT_FALSE((slidingAway ? timers.slideBack : timers.slideAway).enabled()) << slidingAway;
        EXPECT_EQ(windows.clockShown, 0) << slidingAway;
        running.disable();
    }
}

// Before the first step the clock is still at home, but the slide is on.
TEST_F(TabAndEdge, ClickJustAfterTheIdleSlideStartedChangesNothing) {
    timers.idleCheck.enable();
    advance(5000);
    autoHide.idleCheckTick();
    autoHide.tabClick();
    EXPECT_TRUE(timers.slideAway.enabled());
    EXPECT_FALSE(timers.slideBack.enabled());
    EXPECT_EQ(slideAway(), 13);
}

// The five right-most columns, from the top down to the calendar's bottom.
TEST_F(TabAndEdge, EdgeWatchBounds) {
    state.settings.setNoPullTab(true);
    slideAway();
    const int bottom = 191 + 178;
    struct Case {
        QPoint pointer;
        bool back;
    };
    for (const Case& c : {Case{{1019, 0}, true}, Case{{1018, 0}, false}, Case{{1023, bottom}, true},
                          Case{{1023, bottom + 1}, false}, Case{{1019, bottom}, true},
                          Case{{1018, bottom + 1}, false}, Case{{500, 100}, false}}) {
        timers.edgeWatch.enable();
        timers.slideBack.disable();
        platform.cursor = c.pointer;
        autoHide.edgeWatchTick();
        EXPECT_EQ(timers.slideBack.enabled(), c.back) << c.pointer.x() << "," << c.pointer.y();
        EXPECT_EQ(timers.edgeWatch.enabled(), !c.back) << c.pointer.x() << "," << c.pointer.y();
    }
}

TEST_F(TabAndEdge, EdgeWatchWithoutCalendarReachesTheClockBottom) {
    windows.calendarH = 0;
    state.settings.setNoPullTab(true);
    slideAway();
    platform.cursor = QPoint(1023, 192);
    autoHide.edgeWatchTick();
    EXPECT_FALSE(timers.slideBack.enabled());
    platform.cursor = QPoint(1023, 191);
    autoHide.edgeWatchTick();
    EXPECT_TRUE(timers.slideBack.enabled());
}

TEST_F(TabAndEdge, ScreensChangedDuringTheSlideBackBringsEverythingHome) {
    slideAway();
    timers.slideBack.enable();
    autoHide.slideBackStep();
    timers.edgeWatch.enable();
    platform.desktop = QRect(0, 0, 1600, 900);
    platform.cursor = QPoint(100, 800);
    advance(7000);
    autoHide.screensChanged();
    EXPECT_EQ(windows.clockX, 1600 - 191);
    EXPECT_EQ(windows.clockY, 0);
    EXPECT_EQ(windows.calendarX, windows.clockX);
    EXPECT_EQ(windows.calendarY, 191);
    EXPECT_GE(windows.clockShown, 1);
    EXPECT_FALSE(timers.slideAway.enabled());
    EXPECT_FALSE(timers.slideBack.enabled());
    EXPECT_FALSE(timers.edgeWatch.enabled());
    EXPECT_EQ(windows.tabKind, TabPicture::OnScreen);
    EXPECT_TRUE(windows.tabVisible);
    EXPECT_TRUE(tabGlued());
    EXPECT_TRUE(timers.idleCheck.enabled());
    EXPECT_EQ(state.lastActivity, platform.clock);
}

TEST_F(TabAndEdge, ScreensChangedFollowsTheSettings) {
    // Without auto-hide, or with the pointer on the face, no idle time runs.
    state.settings.setAutoHide(false);
    timers.idleCheck.enable();
    autoHide.screensChanged();
    EXPECT_FALSE(timers.idleCheck.enabled());

    state.settings.setAutoHide(true);
    platform.cursor = QPoint(1000, 50);
    autoHide.screensChanged();
    EXPECT_FALSE(timers.idleCheck.enabled());

    // Without the tab it stays hidden.
    state.settings.setNoPullTab(true);
    autoHide.screensChanged();
    EXPECT_FALSE(windows.tabVisible);
}

// A monitor added, removed or resized: the clock keeps its state at the new
// edge, and a slide away under way ends there at once.
TEST_F(TabAndEdge, ScreensChangedReanchorsAwayAtTheNewEdge) {
    struct Case {
        const char* name;
        bool noTab;
        int awaySteps;  // steps of the slide away run before the change; 13 ends it
        QRect desktop;
    };
    for (const Case& c : {Case{"away, wider", false, 13, {0, 0, 1600, 900}},
                          Case{"away, narrower", false, 13, {0, 0, 800, 600}},
                          Case{"away without tab", true, 13, {0, 0, 1600, 900}},
                          Case{"sliding away", false, 4, {-1280, 100, 2880, 900}}}) {
        platform.desktop = QRect(0, 0, 1024, 768);
        state.settings.setNoPullTab(c.noTab);
        autoHide.screensChanged();
        timers.slideAway.enable();
        for (int step = 0; step < c.awaySteps; ++step) {
            autoHide.slideAwayStep();
        }
        platform.desktop = c.desktop;
        autoHide.screensChanged();
        const int edge = c.desktop.x() + c.desktop.width();
        EXPECT_EQ(windows.clockX, edge - 191 + 15 * 13) << c.name;
        EXPECT_EQ(windows.clockY, c.desktop.y()) << c.name;
        EXPECT_EQ(windows.calendarX, windows.clockX) << c.name;
        EXPECT_TRUE(autoHide.isAway()) << c.name;
        EXPECT_FALSE(timers.slideAway.enabled()) << c.name;
        EXPECT_EQ(timers.edgeWatch.enabled(), c.noTab) << c.name;
        if (!c.noTab) {
            EXPECT_EQ(windows.tabKind, TabPicture::Away) << c.name;
            EXPECT_TRUE(tabGlued()) << c.name;
            EXPECT_EQ(windows.tabX + windows.tabW, edge) << c.name;
        }
        // The tab or the edge brings it home to the new corner.
        if (c.noTab) {
            platform.cursor = QPoint(edge - 1, c.desktop.y());
            autoHide.edgeWatchTick();
        } else {
            autoHide.tabClick();
        }
        slideBack();
        EXPECT_EQ(windows.clockX, edge - 191) << c.name;
    }
}

// The desktop's panels take edges of the monitor: the clock's home is the
// top right corner of what they leave, the calendar right under it, and the
// slid-away tab rests at the right edge of that area, below a top panel.
TEST_F(TabAndEdge, HomeIsTheTopRightOfTheWorkArea) {
    struct Case {
        const char* desktop;
        QRect workArea;
    };
    const QRect screen(0, 0, 1280, 1024);
    for (const Case& c : {
             Case{"no panel", screen},
             Case{"GNOME's top bar", {0, 32, 1280, 992}},
             Case{"Xfce's top panel", {0, 27, 1280, 997}},
             Case{"a right panel", {0, 0, 1232, 1024}},
             Case{"a left panel", {64, 0, 1216, 1024}},
             Case{"KDE's bottom panel", {0, 0, 1280, 980}},
             Case{"a top and a right panel", {0, 32, 1240, 992}},
         }) {
        platform.desktop = screen;
        platform.workArea = c.workArea;
        autoHide.screensChanged();
        const int right = c.workArea.x() + c.workArea.width();
        const int top = c.workArea.y();
        EXPECT_EQ(QPoint(windows.clockX, windows.clockY), QPoint(right - 191, top)) << c.desktop;
        EXPECT_EQ(QPoint(windows.calendarX, windows.calendarY), QPoint(right - 191, top + 191))
            << c.desktop;
        EXPECT_TRUE(tabGlued()) << c.desktop;

        slideAway();
        EXPECT_TRUE(autoHide.isAway()) << c.desktop;
        EXPECT_GT(windows.clockX, right) << c.desktop;
        EXPECT_EQ(windows.tabX + windows.tabW, right) << c.desktop;
        EXPECT_EQ(windows.tabY, top + 20) << c.desktop;

        // A panel that appears meanwhile moves the tab below it.
        platform.workArea = c.workArea.adjusted(0, 40, -10, 0);
        autoHide.screensChanged();
        EXPECT_EQ(windows.tabX + windows.tabW, right - 10) << c.desktop;
        EXPECT_EQ(windows.tabY, top + 40 + 20) << c.desktop;

        autoHide.tabClick();
        slideBack();
        EXPECT_EQ(QPoint(windows.clockX, windows.clockY), QPoint(right - 10 - 191, top + 40))
            << c.desktop;
        EXPECT_EQ(windows.calendarY, top + 40 + 191) << c.desktop;
    }
}

// Where the window manager keeps the clock from its home (a panel nobody
// announced), the calendar and the tab follow the clock, and so does its
// home, until the desktop changes; a place off the clock's monitor, or one
// reported in the middle of a slide, is no such keeping.
TEST_F(TabAndEdge, FollowsWhereTheWindowManagerKeepsTheClock) {
    struct Case {
        const char* what;
        QPoint actual;
        bool midSlide;
        QPoint home;  // where the clock then belongs
    };
    const int right = 1024;
    for (const Case& c : {
             Case{"pushed below a bar", {right - 191, 32}, false, {right - 191, 32}},
             Case{"pushed left of a panel", {right - 191 - 40, 0}, false, {right - 191 - 40, 0}},
             Case{"off the monitor", {right - 100, 0}, false, {right - 191, 0}},
             Case{"reported while sliding", {right - 191, 32}, true, {right - 191, 0}},
         }) {
        autoHide.screensChanged();
        if (c.midSlide) {
            timers.slideAway.enable();
        }
        autoHide.clockPlacedElsewhere(c.actual);
        timers.slideAway.disable();
        EXPECT_EQ(QPoint(windows.clockX, windows.clockY), c.home) << c.what;
        EXPECT_EQ(QPoint(windows.calendarX, windows.calendarY), c.home + QPoint(0, 191)) << c.what;
        EXPECT_TRUE(tabGlued()) << c.what;
        slideAway();
        EXPECT_EQ(windows.tabX + windows.tabW, c.home.x() + 191) << c.what;
        autoHide.tabClick();
        slideBack();
        EXPECT_EQ(QPoint(windows.clockX, windows.clockY), c.home) << c.what;
    }
    // A change of the desktop measures home afresh.
    autoHide.clockPlacedElsewhere({right - 191, 32});
    autoHide.screensChanged();
    EXPECT_EQ(QPoint(windows.clockX, windows.clockY), QPoint(right - 191, 0));
}

// Where the window system tells the pointer's entry, the edge is watched
// through it, over the five right-most columns from the top down to the
// calendar's bottom, and nothing looks at the pointer ten times a second.
TEST_F(TabAndEdge, TheEdgeIsWatchedByThePlatformWhereItTellsThePointersEntry) {
    platform.tellsPointerEntry = true;
    state.settings.setNoPullTab(true);
    const QRect edge(QPoint(1019, 0), QPoint(1023, 191 + 178));
    struct Case {
        const char* name;
        QPoint pointerAtEnd;  // where the pointer is when the slide ends
        bool watched;         // the platform watches the edge
        bool backAtOnce;      // the clock comes back without an entry
    };
    for (const Case& c : {Case{"pointer elsewhere", {500, 100}, true, false},
                          Case{"pointer below the calendar", {1023, 370}, true, false},
                          Case{"pointer already at the edge", {1021, 50}, false, true}}) {
        autoHide.screensChanged();
        platform.cursor = c.pointerAtEnd;
        slideAway();
        EXPECT_FALSE(timers.edgeWatch.enabled()) << c.name;
        EXPECT_EQ(platform.edge.area, c.watched ? edge : QRect()) << c.name;
        EXPECT_EQ(timers.slideBack.enabled(), c.backAtOnce) << c.name;
        if (c.watched) {
            platform.edge.enter();
            EXPECT_TRUE(timers.slideBack.enabled()) << c.name;
        }
        EXPECT_EQ(slideBack(), 13) << c.name;
        EXPECT_EQ(windows.clockX, home()) << c.name;
        EXPECT_TRUE(platform.edge.area.isNull()) << c.name;
    }
}

// The clock brought back otherwise (another start asks it forward) leaves no
// watch behind, which would bring it back again later.
TEST_F(TabAndEdge, TheEdgeWatchEndsWhenTheClockComesBackOtherwise) {
    platform.tellsPointerEntry = true;
    state.settings.setNoPullTab(true);
    slideAway();
    ASSERT_FALSE(platform.edge.area.isNull());
    autoHide.tabClick();
    EXPECT_TRUE(platform.edge.area.isNull());
    EXPECT_TRUE(timers.slideBack.enabled());
}
