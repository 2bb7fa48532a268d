#pragma once

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QList>
#include <optional>

#include "scheduler/Recurrence.h"
#include "scheduler/RepeatRule.h"
#include "scheduler/ScheduleEntry.h"

class ReminderRecord;

// One repeating reminder as the rule file keeps it: its rule and anchor (the
// day it was set for), and the record in "napom.dat" that holds its current
// occurrence, named by that record's day, time text and text as stored. A
// change of occurrence names the new day as `then` before "napom.dat" is
// rewritten, and takes it as `day` afterwards: in between, and after a
// crash there, the rule holds whichever of the two records the file has.
struct RepeatEntry {
    RepeatRule rule = RepeatRule::Never;
    QDate anchor;
    QDate day;
    QDate then;       // invalid when no change of occurrence is under way
    QByteArray time;  // "hh:nn", the record's stored bytes
    QByteArray text;  // the record's stored bytes, code page 1251

    // The rule for a reminder record, whose day is its first occurrence.
    static RepeatEntry of(RepeatRule rule, const QDate& anchor, const ReminderRecord& record);

    // The time of day as a minute, or -1 when the time text is no "hh:nn".
    int minute() const;
    Recurrence recurrence() const { return Recurrence(rule, anchor, minute()); }

    // Whether the reminder's record is this one: its day (or the day of the
    // change under way), its time text and its text, byte for byte.
    bool holds(const ScheduleEntry& entry) const;
    // Whether it is one of the reminders of a day and time: those that
    // removing the key from "napom.dat" takes away.
    bool ofKey(const ScheduleKey& key) const;

    bool operator==(const RepeatEntry& other) const = default;
};

// Which entries of a reminder list repeat: for each rule, the first entry in
// list order that it holds, and no entry for two rules.
class RepeatMatch {
  public:
    RepeatMatch() = default;
    RepeatMatch(const ScheduleList& list, const QList<RepeatEntry>& rules);

    // The rule of the entry at `index`, when it repeats.
    std::optional<RepeatEntry> ruleOf(qsizetype index) const;
    bool isEmpty() const { return byEntry_.isEmpty(); }

  private:
    QHash<qsizetype, RepeatEntry> byEntry_;
};
