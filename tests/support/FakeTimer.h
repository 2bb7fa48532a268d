#pragma once

#include <QStringList>

#include "config/ClockState.h"
#include "config/TimerSwitch.h"

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

// The seven timers of the clock window as fakes.
struct FakeClockTimers {
    FakeTimer t1, zad, otk, str{true}, nap{true}, napr{true}, bezkn;
    ClockTimers view() { return {&t1, &zad, &otk, &str, &nap, &napr, &bezkn}; }
};
