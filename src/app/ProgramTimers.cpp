#include "app/ProgramTimers.h"

#include <utility>

ProgramTimers::ProgramTimers() {
    // All start stopped: the start-up and what each timer serves switch them on.
    const std::pair<QTimer*, int> periods[] = {{&idleCheck, 1000},
                                               {&slideAway, 75},
                                               {&slideBack, 75},
                                               {&faceTick, 100},
                                               {&edgeWatch, 100}};
    for (const auto& [timer, ms] : periods) {
        timer->setInterval(ms);
    }
    // Armed for each next second boundary: a coarse timer could fire early,
    // before the second has changed, and then the face would lag a second.
    faceTick.setTimerType(Qt::PreciseTimer);
}

ClockTimers ProgramTimers::switches() {
    return {&idleCheckSwitch_, &slideAwaySwitch_, &slideBackSwitch_,
            &reminderCheck,    &launchCheck,      &edgeWatchSwitch_};
}

void ProgramTimers::stopAll() {
    for (QTimer* timer : {&idleCheck, &slideAway, &slideBack, &faceTick, &edgeWatch}) {
        timer->stop();
    }
    reminderCheck.disable();
    launchCheck.disable();
}
