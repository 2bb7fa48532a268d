#pragma once

#include <QTimer>

#include "state/ClockTimers.h"
#include "state/FlagSwitch.h"
#include "state/QtTimerSwitch.h"

// The real timers of the running program, with their periods; the logic sees
// them through switches() and the composition root connects their ticks.
class ProgramTimers {
  public:
    ProgramTimers();
    ProgramTimers(const ProgramTimers&) = delete;
    ProgramTimers& operator=(const ProgramTimers&) = delete;

    ClockTimers switches();
    void stopAll();

    QTimer idleCheck, slideAway, slideBack, faceTick, edgeWatch;
    // The due checks have no timer of their own: they run after each face
    // tick, at the second boundary, so that an idle clock wakes once a second
    // rather than once for the face and once more for the checks.
    FlagSwitch reminderCheck, launchCheck;

  private:
    QtTimerSwitch idleCheckSwitch_{idleCheck}, slideAwaySwitch_{slideAway},
        slideBackSwitch_{slideBack}, edgeWatchSwitch_{edgeWatch};
};
