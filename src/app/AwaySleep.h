#pragma once

#include <QDateTime>
#include <functional>

class DueCheckTicks;
class Platform;
class WallClockAlarm;

// While nothing of the clock is on screen nothing has to happen every
// second: the program sleeps until a due check next has something to do
// (the first moment of an entry's minute, or at once after a reload was
// asked for), until the day changes (the nightly restart), or until the
// wall clock is set, which may make an entry due or past. The pointer, the
// tab, files, signals and requests wake it by themselves. The platform's
// wall-clock alarm rings at that moment; where it has none, there is no
// sleep and the face's tick goes on as in view.
class AwaySleep {
  public:
    // `dayChange`: the moment the nightly restart is due. `wake`: the tick to
    // run when the alarm rings; it calls sleep() again while away.
    AwaySleep(Platform& platform, const DueCheckTicks& checks, std::function<QDateTime()> dayChange,
              std::function<void()> wake);
    ~AwaySleep();
    AwaySleep(const AwaySleep&) = delete;
    AwaySleep& operator=(const AwaySleep&) = delete;

    // Sleeps, or goes on sleeping with the alarm set anew; false when it
    // cannot.
    bool sleep();
    // Back in view: the face's tick takes over.
    void stop();
    bool sleeping() const { return sleeping_; }
    // Sets the alarm for the moment wanted now, when that changed: after each
    // tick, and whenever the event loop is about to wait (a reload asked for
    // by a dialog or another program, a check switched on again).
    void settle();

  private:
    QDateTime wanted(qint64 dueMinute, const QDateTime& dayChange) const;

    Platform& platform_;
    const DueCheckTicks& checks_;
    std::function<QDateTime()> dayChange_;
    std::function<void()> wake_;
    WallClockAlarm* alarm_ = nullptr;  // the platform's, from the first sleep on
    bool sleeping_ = false;
    bool armed_ = false;
    qint64 armedMinute_ = 0;
    QDateTime armedDayChange_;
};
