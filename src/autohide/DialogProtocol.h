#pragma once

#include "state/ClockState.h"

class WallClock;

// What every dialog does so that auto-hide pauses while it is open: on
// activation the idle check is switched on (it then sees dialogOpen and stops
// itself); on closing the idle time starts counting afresh.
class DialogProtocol {
  public:
    DialogProtocol(ClockState& state, ClockTimers timers, const WallClock& clock);

    void dialogActivated();
    void dialogClosed();

  private:
    ClockState& state_;
    ClockTimers timers_;
    const WallClock& clock_;
};
