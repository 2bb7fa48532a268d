#pragma once

#include <functional>

#include "state/ClockState.h"

class DialogProtocol;
class Platform;

// What the composition root hands every dialog: the clock's shared state and
// timers, the dialog protocol, the platform, the restart, and the help viewer
// (opened at a topic number).
struct DialogContext {
    ClockState& state;
    ClockTimers timers;
    DialogProtocol& protocol;
    Platform& platform;
    ProgramControl& program;
    std::function<void(int topic)> showHelp;
};
