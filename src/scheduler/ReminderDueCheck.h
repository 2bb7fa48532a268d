#pragma once

#include "locale/LanguageSections.h"
#include "locale/RepeatTexts.h"
#include "scheduler/DueCheck.h"
#include "scheduler/ReminderNotice.h"
#include "scheduler/RepeatEntry.h"
#include "scheduler/RepeatingReminders.h"

// The reminder due check on the reminder check timer: a due reminder is
// announced with the skin's sound and its text alone; an overdue one with a
// notice of its day and time, without sound. Either notice may put the
// reminder off: a reminder of the same text is added for that many minutes
// from the moment the user chose so, before the announced one goes. A
// repeating reminder, once announced, gives way to its next occurrence; its
// overdue notice, one for all the occurrences missed, tells how many they
// were.
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
    QString overdueNote(qsizetype index, const QDateTime& now) const override;
    QString listReloaded() override;
    Expected<void> takeAway(const ScheduleEntry& entry) override;

  private:
    bool answered(const ScheduleEntry& entry, const ReminderAnswer& answer);
    bool putOff(const ScheduleEntry& entry, int minutes);
    // The rule file's trouble, once until it reads well again.
    QString ruleFileTrouble(const RepeatFile::Read& read);

    ReminderNotice notice_;
    ScheduleFiles files_;
    RepeatingReminders reminders_;
    RepeatTexts texts_;
    RepeatMatch rules_;
    bool troubleTold_ = false;
    bool rulesSeen_ = false;  // the last read held rules
};
