#include "AutoHideFixture.h"

// Where the pointer is when a slide back or the popup menu ends decides
// whether idle time passes, whatever order the enter and leave came in.
class PointerAndMenu : public AutoHideFixture {
  protected:
    void pointerOnFace() { platform.cursor = QPoint(home() + 95, 95); }
    void pointerAway() { platform.cursor = QPoint(100, 600); }
};

TEST_F(PointerAndMenu, ASlideBackEndingUnderThePointerLeavesTheClockAtHome) {
    slideAway();
    autoHide.tabClick();
    pointerOnFace();
    // The face passes under the resting pointer before the slide ends.
    autoHide.slideBackStep();
    autoHide.faceEntered();
    slideBack();
    ASSERT_EQ(windows.clockX, home());
    EXPECT_FALSE(timers.idleCheck.enabled());
    // Were the check on anyway, the pointer on the face holds the clock.
    timers.idleCheck.enable();
    EXPECT_EQ(ticksUntilSlide(30), -1);
    EXPECT_FALSE(timers.idleCheck.enabled());

    // The delay counts from the leave.
    advance(60 * 1000);
    pointerAway();
    autoHide.faceLeft();
    EXPECT_EQ(ticksUntilSlide(20), 5);
}

TEST_F(PointerAndMenu, APointerOnTheFaceWithoutItsEnterIsNotIdleEither) {
    slideAway();
    autoHide.tabClick();
    pointerOnFace();
    slideBack();
    // No enter arrived, so no leave will: the check keeps looking for itself.
    EXPECT_TRUE(timers.idleCheck.enabled());
    EXPECT_EQ(ticksUntilSlide(30), -1);
    EXPECT_TRUE(timers.idleCheck.enabled());
    pointerAway();
    EXPECT_EQ(ticksUntilSlide(20), 5);

    // Ending elsewhere, the slide back starts the count at once.
    slideAway();
    autoHide.tabClick();
    slideBack();
    EXPECT_TRUE(timers.idleCheck.enabled());
    EXPECT_EQ(ticksUntilSlide(20), 5);
}

TEST_F(PointerAndMenu, TheOpenMenuHoldsTheClockAndItsClosingRestartsTheCount) {
    timers.idleCheck.enable();
    pointerOnFace();
    autoHide.faceEntered();
    autoHide.menuOpened();
    // The menu opens under the pointer, which so leaves the face.
    pointerAway();
    autoHide.faceLeft();
    EXPECT_EQ(ticksUntilSlide(60), -1);
    EXPECT_FALSE(timers.idleCheck.enabled());

    autoHide.menuClosed();
    EXPECT_EQ(state.lastActivity, platform.clock);
    EXPECT_TRUE(timers.idleCheck.enabled());
    EXPECT_EQ(ticksUntilSlide(20), 5);
}

TEST_F(PointerAndMenu, AMenuClosingOverTheFaceWaitsForTheLeave) {
    pointerOnFace();
    autoHide.faceEntered();
    autoHide.menuOpened();
    autoHide.faceLeft();
    autoHide.idleCheckTick();
    // Escape: the menu goes, the pointer is on the face again.
    autoHide.faceEntered();
    autoHide.menuClosed();
    EXPECT_FALSE(timers.idleCheck.enabled());
    advance(30 * 1000);
    pointerAway();
    autoHide.faceLeft();
    EXPECT_EQ(ticksUntilSlide(20), 5);
}
