#pragma once

#include <QObject>
#include <functional>

#include "platform/Platform.h"

class QSocketNotifier;

// The wall-clock alarm on a timer file descriptor of the kernel: an absolute
// timer on the real-time clock, which fires at its moment also after a
// suspend, and which the kernel cancels when that clock is set, so that a
// read reports ECANCELED. Both wake the event loop through the descriptor.
class TimerFdAlarm : public QObject, public WallClockAlarm {
  public:
    TimerFdAlarm();
    ~TimerFdAlarm() override;

    // False when the kernel gave no timer.
    bool valid() const { return fd_ >= 0; }

    void set(const QDateTime& when) override;
    void cancel() override;
    void setHandler(std::function<void()> handler) override { handler_ = std::move(handler); }

  private:
    void readOut();

    int fd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    std::function<void()> handler_;
};
