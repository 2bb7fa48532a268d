#pragma once

#include "locale/LanguageSections.h"
#include "scheduler/DueCheck.h"
#include "scheduler/ReminderNotice.h"

// The reminder due check on the reminder check timer: a due reminder is
// announced with the skin's sound and its text alone; an overdue one with a
// notice of its day and time, without sound. Either notice may put the
// reminder off: a reminder of the same text is added for that many minutes
// from the moment the user chose so, before the announced one goes.
class ReminderDueCheck : public DueCheck {
  public:
    ReminderDueCheck(ClockState& state, ClockTimers timers, Platform& platform);

    // The handler of the reminder check's tick.
    void reminderTick() { tick(); }

  protected:
    bool fire(const ScheduleEntry& entry) override;
    bool report(const ScheduleEntry& entry, const QString& notice) override;
    QString overdueHeader(const LanguageSection& texts) const override {
        return texts.line(sections::overdue::ReminderHeader);
    }

  private:
    bool answered(const ScheduleEntry& entry, const ReminderAnswer& answer);
    bool putOff(const ScheduleEntry& entry, int minutes);

    ReminderNotice notice_;
    ScheduleFiles files_;
};
