#include "AutoHideFixture.h"
#include "autohide/DialogProtocol.h"

using IdleCheck = AutoHideFixture;

TEST_F(IdleCheck, SlidesAtTheFirstTickWithTheDelayInWholeSeconds) {
    // The pointer leaves 300 ms after a tick: at the fifth tick 4.7 seconds
    // have passed, which count as 4.
    advance(300);
    autoHide.imMouseLeave();
    timers.t1.log.clear();
    advance(-300);
    EXPECT_EQ(ticksUntilSlide(20), 6);
    EXPECT_FALSE(timers.t1.enabled());
    EXPECT_EQ(timers.t1.log, QStringList{QStringLiteral("off")});

    // 4.999 seconds are not 5.
    state.lastActivity = platform.clock;
    timers.zad.disable();
    timers.t1.enable();
    advance(4999);
    autoHide.t1Timer();
    EXPECT_FALSE(timers.zad.enabled());
    advance(1);
    autoHide.t1Timer();
    EXPECT_TRUE(timers.zad.enabled());
}

TEST_F(IdleCheck, AutoHideOffStopsTheCheckAndNeverSlides) {
    state.settings.setAutoHide(false);
    state.settings.setHideDelay(1);
    timers.t1.enable();
    advance(3600 * 1000);
    autoHide.t1Timer();
    EXPECT_FALSE(timers.t1.enabled());
    EXPECT_FALSE(timers.zad.enabled());
    // The pointer leaving the face starts the check again, which stops again.
    autoHide.imMouseLeave();
    advance(10000);
    autoHide.t1Timer();
    EXPECT_FALSE(timers.t1.enabled());
    EXPECT_FALSE(timers.zad.enabled());
}

TEST_F(IdleCheck, AnOpenDialogPausesAndTheDelayCountsFromItsClosing) {
    DialogProtocol dialog(state, timers.view(), platform);
    dialog.dialogActivated();
    advance(1000);
    autoHide.t1Timer();
    EXPECT_FALSE(timers.t1.enabled());
    EXPECT_FALSE(timers.zad.enabled());

    advance(120 * 1000);
    dialog.dialogClosed();
    EXPECT_EQ(ticksUntilSlide(20), 5);
}

TEST_F(IdleCheck, FaceAndMenuActivityRestartTheCount) {
    timers.t1.enable();
    autoHide.imMouseEnter();
    EXPECT_FALSE(timers.t1.enabled());
    advance(60 * 1000);
    autoHide.imMouseLeave();
    EXPECT_EQ(state.lastActivity, platform.clock);
    EXPECT_TRUE(timers.t1.enabled());

    advance(1000);
    autoHide.t1Timer();
    advance(1000);
    autoHide.t1Timer();
    autoHide.pmPopup();  // the menu opened after 2 seconds
    EXPECT_EQ(state.lastActivity, platform.clock);
    EXPECT_EQ(ticksUntilSlide(20), 5);
}

TEST_F(IdleCheck, AClockTurnedBackCountsAfresh) {
    timers.t1.enable();
    advance(-3600 * 1000);
    autoHide.t1Timer();
    EXPECT_EQ(state.lastActivity, platform.clock);
    EXPECT_EQ(ticksUntilSlide(20), 5);
}

TEST_F(IdleCheck, ZeroDelaySlidesAtTheFirstTick) {
    state.settings.setHideDelay(0);
    timers.t1.enable();
    autoHide.t1Timer();
    EXPECT_TRUE(timers.zad.enabled());
}

// The check may be switched on while the clock is away or moving: by a dialog
// closing or a sound ending. Pushing it on would move the clock further off
// screen each time, until the tab followed it out of sight.
TEST_F(IdleCheck, NeverStartsASlideWhileAwayOrMoving) {
    slideAway();
    const int away = windows.clockX;
    DialogProtocol dialog(state, timers.view(), platform);
    dialog.dialogActivated();
    dialog.dialogClosed();
    EXPECT_EQ(ticksUntilSlide(20), -1);
    EXPECT_FALSE(timers.t1.enabled());
    EXPECT_EQ(windows.clockX, away);

    // Sliding back, the face passes under the pointer, which then leaves it.
    state.settings.setHideDelay(0);
    timers.otk.enable();
    autoHide.otkTimer();
    autoHide.imMouseLeave();
    autoHide.t1Timer();
    EXPECT_FALSE(timers.zad.enabled());
    EXPECT_EQ(slideBack(), 12);
    EXPECT_EQ(windows.clockX, home());
}
