#include "autohide/DialogProtocol.h"

#include "platform/Platform.h"

DialogProtocol::DialogProtocol(ClockState& state, ClockTimers timers, const WallClock& clock)
    : state_(state), timers_(timers), clock_(clock) {}

void DialogProtocol::dialogActivated() {
    timers_.idleCheck->enable();
    state_.dialogOpen = true;
}

void DialogProtocol::dialogClosed() {
    state_.lastActivity = clock_.now();
    state_.dialogOpen = false;
    timers_.idleCheck->enable();
}
