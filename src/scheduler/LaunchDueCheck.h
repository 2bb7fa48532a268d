#pragma once

#include "locale/LanguageSections.h"
#include "scheduler/DueCheck.h"

// The launch due check on the launch check timer: a due launch starts its
// program with the skin's sound as a signal; an overdue one is only reported,
// never started.
class LaunchDueCheck : public DueCheck {
  public:
    LaunchDueCheck(ClockState& state, ClockTimers timers, Platform& platform);

    // The handler of the launch check's tick.
    void launchTick() { tick(); }

  protected:
    bool fire(const ScheduleEntry& entry) override;
    QString overdueHeader(const LanguageSection& texts) const override {
        return texts.line(sections::overdue::LaunchHeader);
    }
};
