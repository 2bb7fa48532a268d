#pragma once

#include <QObject>
#include <QtGlobal>
#include <functional>
#include <limits>
#include <vector>

class Platform;
class TimerSwitch;

// Runs the due checks from the face's tick: once in each second of the
// clock, even while the face looks ten times a second, and each only while
// its switch is on. A check runs after the tick that asked for it is over, so
// a notice it shows keeps the face ticking; and never inside itself, so a
// check waiting on a message box is not started again from the box's loop.
class DueCheckTicks : public QObject {
  public:
    explicit DueCheckTicks(Platform& platform) : platform_(platform) {}

    // Set up before the first tick.
    void addCheck(TimerSwitch& gate, std::function<void()> tick);
    void secondTick();

  private:
    struct Check {
        TimerSwitch* gate;
        std::function<void()> tick;
        bool running = false;
    };
    void run(Check& check);

    Platform& platform_;
    std::vector<Check> checks_;
    qint64 second_ = std::numeric_limits<qint64>::min();
};
