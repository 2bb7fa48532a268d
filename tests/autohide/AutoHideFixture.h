#pragma once

#include <gtest/gtest.h>

#include <algorithm>

#include "FakePlatform.h"
#include "FakeSlideWindows.h"
#include "FakeTimer.h"
#include "autohide/AutoHide.h"

// A 1024-pixel desktop with the standard 191-pixel clock at home and the
// calendar below it; auto-hide on after 5 seconds, with the pull tab.
class AutoHideFixture : public ::testing::Test {
  protected:
    AutoHideFixture() {
        state.programFolder = ProgramFolder(QStringLiteral("/opt/chronidex"));
        state.settings = SettingsRecord::defaults();
        state.settings.setHideDelay(5);
        state.settings.setAutoHide(true);
        state.settings.setNoPullTab(false);
        state.skinName = QStringLiteral("Blue");
        state.lastActivity = platform.clock;
        windows.pictureWidths[QStringLiteral("Blueknz.bmp")] = 10;
        windows.pictureWidths[QStringLiteral("Bluekno.bmp")] = 14;
        autoHide.setUpTab();
    }

    int home() const { return 1024 - windows.clockW; }
    // Glued: the tab's right edge on the clock's left edge, or on the
    // screen's where the clock is beyond it; 20 below the clock's top.
    bool tabGlued() const {
        const QRect area = platform.workArea.value_or(platform.desktop);
        const int edge = area.x() + area.width();
        return windows.tabX + windows.tabW == std::min(windows.clockX, edge) &&
               windows.tabY == windows.clockY + 20;
    }
    void advance(qint64 ms) { platform.clock = platform.clock.addMSecs(ms); }

    // Runs the slide away to its end; the number of steps it took.
    int slideAway() {
        int steps = 0;
        timers.slideAway.enable();
        while (timers.slideAway.enabled() && steps < 1000) {
            autoHide.slideAwayStep();
            ++steps;
        }
        return steps;
    }
    int slideBack() {
        int steps = 0;
        timers.slideBack.enable();
        while (timers.slideBack.enabled() && steps < 1000) {
            autoHide.slideBackStep();
            ++steps;
        }
        return steps;
    }
    // Idle-check ticks, one a second, until the slide starts; how many ran.
    int ticksUntilSlide(int limit) {
        for (int tick = 1; tick <= limit; ++tick) {
            advance(1000);
            autoHide.idleCheckTick();
            if (timers.slideAway.enabled()) {
                return tick;
            }
        }
        return -1;
    }

    FakePlatform platform;
    FakeClockTimers timers;
    ClockState state;
    FakeSlideWindows windows;
    AutoHide autoHide{state, timers.view(), platform, windows};
};
