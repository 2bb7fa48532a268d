#include "autohide/DialogProtocol.h"

#include "platform/Platform.h"

DialogProtocol::DialogProtocol(ClockState& state, ClockTimers timers, const Platform& platform)
    : state_(state), timers_(timers), platform_(platform) {}

void DialogProtocol::dialogActivated() {
    timers_.idleCheck->enable();
    state_.dialogOpen = true;
}

void DialogProtocol::dialogClosed() {
    state_.lastActivity = platform_.now();
    state_.dialogOpen = false;
    timers_.idleCheck->enable();
}
