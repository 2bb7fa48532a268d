#pragma once

#include <QObject>
#include <QtGlobal>
#include <functional>
#include <limits>
#include <vector>

class QDateTime;
class TimerSwitch;

// Runs the due checks from the face's tick: once in each second of the
// clock, even while the face looks ten times a second, and each only while
// its switch is on. A check runs after the tick that asked for it is over, so
// a notice it shows keeps the face ticking; and never inside itself, so a
// check waiting on a message box is not started again from the box's loop.
class DueCheckTicks : public QObject {
  public:
    // Set up before the first tick.
    void addCheck(TimerSwitch& gate, std::function<void()> tick);
    // `now`: the clock's time as the face's tick read it.
    void secondTick(const QDateTime& now);

  private:
    struct Check {
        TimerSwitch* gate;
        std::function<void()> tick;
        bool running = false;
    };
    void run(Check& check);

    std::vector<Check> checks_;
    qint64 second_ = std::numeric_limits<qint64>::min();
};
