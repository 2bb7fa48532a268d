#pragma once

// A timer seen from the logic it drives: it can be switched on and off. The
// composition root hands its timers out behind this (a Qt timer, or a flag
// for the due checks that run on the face's tick), so the logic is tested
// without an event loop.
class TimerSwitch {
  public:
    virtual ~TimerSwitch() = default;
    virtual void enable() = 0;
    virtual void disable() = 0;
    virtual bool enabled() const = 0;
};
