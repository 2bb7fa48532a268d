#pragma once

#include <QTimer>

#include "state/ClockTimers.h"
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

    QTimer idleCheck, slideAway, slideBack, faceTick, reminderCheck, launchCheck, edgeWatch,
        tabWatch;

  private:
    QtTimerSwitch idleCheckSwitch_{idleCheck}, slideAwaySwitch_{slideAway},
        slideBackSwitch_{slideBack}, faceTickSwitch_{faceTick}, reminderCheckSwitch_{reminderCheck},
        launchCheckSwitch_{launchCheck}, edgeWatchSwitch_{edgeWatch}, tabWatchSwitch_{tabWatch};
};
