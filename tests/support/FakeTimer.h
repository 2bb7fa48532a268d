#pragma once

#include <QStringList>

#include "state/ClockTimers.h"
#include "state/TimerSwitch.h"

// Records every switch, so a test can check that stops and restarts pair up.
class FakeTimer : public TimerSwitch {
  public:
    explicit FakeTimer(bool on = false) : on_(on) {}
    void enable() override {
        on_ = true;
        log << QStringLiteral("on");
    }
    void disable() override {
        on_ = false;
        log << QStringLiteral("off");
    }
    bool enabled() const override { return on_; }

    QStringList log;

  private:
    bool on_;
};

// The program's timers as fakes, as they stand once the clock runs.
struct FakeClockTimers {
    FakeTimer idleCheck, slideAway, slideBack, reminderCheck{true}, launchCheck{true}, edgeWatch;
    ClockTimers view() {
        return {&idleCheck, &slideAway, &slideBack, &reminderCheck, &launchCheck, &edgeWatch};
    }
};
