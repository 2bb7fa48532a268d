#include "AutoHideFixture.h"
#include "autohide/DialogProtocol.h"

using IdleCheck = AutoHideFixture;

TEST_F(IdleCheck, SlidesAtTheFirstTickWithTheDelayInWholeSeconds) {
    // The pointer leaves 300 ms after a tick: at the fifth tick 4.7 seconds
    // have passed, which count as 4.
    advance(300);
    autoHide.faceLeft();
    timers.idleCheck.log.clear();
    advance(-300);
    EXPECT_EQ(ticksUntilSlide(20), 6);
    EXPECT_FALSE(timers.idleCheck.enabled());
    EXPECT_EQ(timers.idleCheck.log, QStringList{QStringLiteral("off")});

    // 4.999 seconds are not 5.
    state.lastActivity = platform.clock;
    timers.slideAway.disable();
    timers.idleCheck.enable();
    advance(4999);
    autoHide.idleCheckTick();
    EXPECT_FALSE(timers.slideAway.enabled());
    advance(1);
    autoHide.idleCheckTick();
    EXPECT_TRUE(timers.slideAway.enabled());
}

TEST_F(IdleCheck, AutoHideOffStopsTheCheckAndNeverSlides) {
    state.settings.setAutoHide(false);
    state.settings.setHideDelay(1);
    timers.idleCheck.enable();
    advance(3600 * 1000);
    autoHide.idleCheckTick();
    EXPECT_FALSE(timers.idleCheck.enabled());
    EXPECT_FALSE(timers.slideAway.enabled());
    // The pointer leaving the face starts the check again, which stops again.
    autoHide.faceLeft();
    advance(10000);
    autoHide.idleCheckTick();
    EXPECT_FALSE(timers.idleCheck.enabled());
    EXPECT_FALSE(timers.slideAway.enabled());
}

TEST_F(IdleCheck, AnOpenDialogPausesAndTheDelayCountsFromItsClosing) {
    DialogProtocol dialog(state, timers.view(), platform);
    dialog.dialogActivated();
    advance(1000);
    autoHide.idleCheckTick();
    EXPECT_FALSE(timers.idleCheck.enabled());
    EXPECT_FALSE(timers.slideAway.enabled());

    advance(120 * 1000);
    dialog.dialogClosed();
    EXPECT_EQ(ticksUntilSlide(20), 5);
}

TEST_F(IdleCheck, FaceAndMenuActivityRestartTheCount) {
    timers.idleCheck.enable();
    autoHide.faceEntered();
    EXPECT_FALSE(timers.idleCheck.enabled());
    advance(60 * 1000);
    autoHide.faceLeft();
    EXPECT_EQ(state.lastActivity, platform.clock);
    EXPECT_TRUE(timers.idleCheck.enabled());

    advance(1000);
    autoHide.idleCheckTick();
    advance(1000);
    autoHide.idleCheckTick();
    autoHide.menuOpened();  // the menu opened after 2 seconds, closed at once
    autoHide.menuClosed();
    EXPECT_EQ(state.lastActivity, platform.clock);
    EXPECT_EQ(ticksUntilSlide(20), 5);
}

TEST_F(IdleCheck, AClockTurnedBackCountsAfresh) {
    timers.idleCheck.enable();
    advance(-3600 * 1000);
    autoHide.idleCheckTick();
    EXPECT_EQ(state.lastActivity, platform.clock);
    EXPECT_EQ(ticksUntilSlide(20), 5);
}

TEST_F(IdleCheck, ZeroDelaySlidesAtTheFirstTick) {
    state.settings.setHideDelay(0);
    timers.idleCheck.enable();
    autoHide.idleCheckTick();
    EXPECT_TRUE(timers.slideAway.enabled());
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
    EXPECT_FALSE(timers.idleCheck.enabled());
    EXPECT_EQ(windows.clockX, away);

    // Sliding back, the face passes under the pointer, which then leaves it.
    state.settings.setHideDelay(0);
    timers.slideBack.enable();
    autoHide.slideBackStep();
    autoHide.faceLeft();
    autoHide.idleCheckTick();
    EXPECT_FALSE(timers.slideAway.enabled());
    EXPECT_EQ(slideBack(), 12);
    EXPECT_EQ(windows.clockX, home());
}
