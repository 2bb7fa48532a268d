#pragma once

#include "locale/LanguageSections.h"
#include "scheduler/DueCheck.h"

// The reminder due check on the reminder check timer: a due reminder is announced
// with the skin's sound and a box holding its text alone; an overdue one with
// a notice of its day and time, without sound.
class ReminderDueCheck : public DueCheck {
  public:
    ReminderDueCheck(ClockState& state, ClockTimers timers, Platform& platform);

    // The handler of the reminder check's tick.
    void reminderTick() { tick(); }

  protected:
    void fire(const ScheduleEntry& entry) override;
    QString overdueHeader(const LanguageSection& texts) const override {
        return texts.line(sections::overdue::ReminderHeader);
    }
};
