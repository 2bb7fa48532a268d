#pragma once

#include <QDateTime>
#include <QString>

#include "scheduler/RepeatFile.h"
#include "scheduler/RepeatRule.h"
#include "scheduler/ScheduleFiles.h"

class ProgramFolder;
class ReminderRecord;

// The changes that touch a reminder and its rule together: "napom.dat"
// through ScheduleFiles, the rules through RepeatFile. The schedule stays
// the truth: a rule whose record is gone holds nothing, and a record whose
// rule is lost (a crash between the two writes, a damaged rule file) is an
// ordinary reminder, announced once. No order of the writes can lose a
// reminder or announce one twice.
class RepeatingReminders {
  public:
    explicit RepeatingReminders(const ProgramFolder& folder);

    // Adds the record; with a rule that repeats, the rule too, anchored on
    // the record's day. `recordAdded`, when given, tells whether the record went in, also when
    // its rule then failed (the reminder is then an ordinary one).
    Expected<void> add(const ReminderRecord& record, RepeatRule rule,
                       bool* recordAdded = nullptr) const;

    struct Outcome {
        Expected<void> done;      // the first thing that went wrong
        RepeatFile::Read before;  // the rules as read, for the caller to report damage
        bool advanced = false;    // a repeating reminder's next occurrence took its place
    };
    // Takes away the record of a reminder that has been announced. When a
    // rule holds it, the occurrence after `now` (and after the announced
    // one) replaces it in the same rewrite of "napom.dat": the file holds
    // the one or the other at every moment.
    Outcome announced(const ScheduleEntry& entry, const QDateTime& now) const;

    // Removes every reminder of the key, and the rules of those.
    Expected<void> removeKey(const ScheduleKey& key) const;

    RepeatFile::Read readRules() const { return rules().read(); }

  private:
    // Made at each use: the folder may be set after this object was made.
    RepeatFile rules() const { return RepeatFile(folder_); }

    const ProgramFolder& folder_;
    ScheduleFiles files_;
};
