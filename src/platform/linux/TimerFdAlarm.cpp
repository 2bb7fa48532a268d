#include "platform/linux/TimerFdAlarm.h"

#include <sys/timerfd.h>
#include <unistd.h>

#include <QDateTime>
#include <QSocketNotifier>
#include <algorithm>
#include <cerrno>
#include <cstdint>

TimerFdAlarm::TimerFdAlarm() {
    fd_ = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (fd_ < 0) {
        return;
    }
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TimerFdAlarm::readOut);
}

TimerFdAlarm::~TimerFdAlarm() {
    delete notifier_;
    if (fd_ >= 0) {
        close(fd_);
    }
}

void TimerFdAlarm::set(const QDateTime& when) {
    if (fd_ < 0) {
        return;
    }
    // An expiry of zero would disarm the timer: the earliest moment is the
    // epoch's first millisecond, long past, which rings at once.
    const qint64 ms = std::max<qint64>(1, when.toMSecsSinceEpoch());
    itimerspec expiry{};
    expiry.it_value.tv_sec = time_t(ms / 1000);
    expiry.it_value.tv_nsec = long(ms % 1000) * 1000000L;
    timerfd_settime(fd_, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &expiry, nullptr);
}

void TimerFdAlarm::cancel() {
    if (fd_ < 0) {
        return;
    }
    const itimerspec off{};
    timerfd_settime(fd_, 0, &off, nullptr);
}

// A count of expiries, or ECANCELED for a wall clock that was set: either
// way the owner looks at the clock again. A read that finds nothing (the
// alarm was set anew in between) tells nothing.
void TimerFdAlarm::readOut() {
    std::uint64_t expiries = 0;
    const ssize_t got = read(fd_, &expiries, sizeof expiries);
    if (got == ssize_t(sizeof expiries) || (got < 0 && errno == ECANCELED)) {
        if (handler_) {
            handler_();
        }
    }
}
