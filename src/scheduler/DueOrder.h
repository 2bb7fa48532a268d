#pragma once

#include <QList>
#include <limits>

#include "scheduler/ScheduleEntry.h"

// The entries of a schedule that can fall due, ordered by the wall-clock
// minute they are due (day * 1440 + minute) and, within one minute, by their
// place in the file. A walk finds the entries of the current minute by a
// search instead of looking at every entry.
class DueOrder {
  public:
    static constexpr qsizetype kNone = -1;

    DueOrder() = default;
    explicit DueOrder(const ScheduleList& list);

    static qint64 wallMinute(qint64 day, int minuteOfDay) { return day * 1440 + minuteOfDay; }

    // The file index of the first entry due at `minute` whose file index is
    // above `after`, or kNone.
    qsizetype next(qint64 minute, qsizetype after) const;
    // The first minute after `minute` at which an entry is due, or kNoMinute.
    static constexpr qint64 kNoMinute = std::numeric_limits<qint64>::max();
    qint64 firstAfter(qint64 minute) const;

  private:
    struct Slot {
        qint64 minute;
        qsizetype index;
    };
    // Shared, so the copy a walk keeps costs nothing.
    QList<Slot> slots_;
};
