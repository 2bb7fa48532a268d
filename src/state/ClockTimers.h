#pragma once

#include "state/TimerSwitch.h"

// The timers the logic switches on and off. The composition root owns them
// (app/ProgramTimers) and wires their ticks; the face's own tick, at each
// second boundary, is the root's alone.
struct ClockTimers {
    TimerSwitch* idleCheck = nullptr;  // 1000 ms: slides the clock away once idle
    TimerSwitch* slideAway = nullptr;  // 75 ms: one step of the slide off the screen
    TimerSwitch* slideBack = nullptr;  // 75 ms: one step of the slide back home
    // No timer of their own: whether the due checks run after each face tick.
    TimerSwitch* reminderCheck = nullptr;
    TimerSwitch* launchCheck = nullptr;
    TimerSwitch* edgeWatch = nullptr;  // 100 ms: the pointer at the screen edge, while away
};
