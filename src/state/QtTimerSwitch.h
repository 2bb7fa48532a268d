#pragma once

#include <QTimer>

#include "state/TimerSwitch.h"

// A TimerSwitch over a real QTimer.
class QtTimerSwitch : public TimerSwitch {
  public:
    explicit QtTimerSwitch(QTimer& timer) : timer_(timer) {}
    void enable() override {
        if (!timer_.isActive()) {
            timer_.start();
        }
    }
    void disable() override { timer_.stop(); }
    bool enabled() const override { return timer_.isActive(); }

  private:
    QTimer& timer_;
};
