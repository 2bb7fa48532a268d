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
// check waiting on a notice is not started again from the notice's loop.
class DueCheckTicks : public QObject {
  public:
    static constexpr qint64 kDueNow = std::numeric_limits<qint64>::min();
    static constexpr qint64 kNeverDue = std::numeric_limits<qint64>::max();

    // Set up before the first tick. `nextDue`: the wall-clock minute (day *
    // 1440 + minute of the day) at which the check next has something to do,
    // kDueNow or kNeverDue; without it the check is taken to be due every
    // second.
    void addCheck(TimerSwitch& gate, std::function<void()> tick,
                  std::function<qint64()> nextDue = {});
    // `now`: the clock's time as the face's tick read it.
    void secondTick(const QDateTime& now);

    // The earliest minute at which a check that is switched on and idle has
    // something to do; a check asked for or running is left out until it
    // has run.
    qint64 nextDueMinute() const;

  private:
    struct Check {
        TimerSwitch* gate;
        std::function<void()> tick;
        std::function<qint64()> nextDue;
        bool queued = false;
        bool running = false;
    };
    void run(Check& check);

    std::vector<Check> checks_;
    qint64 second_ = std::numeric_limits<qint64>::min();
};
