#pragma once

#include "state/TimerSwitch.h"

// The program's timers as the logic sees them: each can be switched on and
// off. The composition root owns the real timers and wires their ticks.
struct ClockTimers {
    TimerSwitch* idleCheck = nullptr;      // 1000 ms: slides the clock away once idle
    TimerSwitch* slideAway = nullptr;      // 75 ms: one step of the slide off the screen
    TimerSwitch* slideBack = nullptr;      // 75 ms: one step of the slide back home
    TimerSwitch* faceTick = nullptr;       // each second: sound end, face redraw, day change
    TimerSwitch* reminderCheck = nullptr;  // each second, after the face: reminders that fall due
    TimerSwitch* launchCheck = nullptr;    // each second, after the face: launches that fall due
    TimerSwitch* edgeWatch = nullptr;      // 100 ms: the pointer at the screen edge, while away
};
