#pragma once

#include "state/TimerSwitch.h"

// A switch with no timer behind it: whoever ticks reads it and runs the
// check it guards only while it is on.
class FlagSwitch : public TimerSwitch {
  public:
    void enable() override { on_ = true; }
    void disable() override { on_ = false; }
    bool enabled() const override { return on_; }

  private:
    bool on_ = false;
};
