#pragma once

#include <libical/ical.h>

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include "ical/LocalTimeZone.h"

// When an event or a to-do wants its reminder. The anchor is the start its
// recurrences repeat (an event's start; a to-do's start, else its due time);
// the reminder falls at the item's first display alarm, else at its start
// (a to-do's due time), at the same distance from every occurrence's
// anchor. An all-day item is reminded of at `dayTime` of its day, whatever
// its alarms say. Moments are in local time.
class ICalItemTimes {
  public:
    ICalItemTimes(icalcomponent* calendar, icalcomponent* item, const LocalTimeZone& local,
                  QTime dayTime);

    // Why the item names no moment, for the user; empty when it does.
    const QString& problem() const { return problem_; }

    icaltimetype anchorValue() const { return anchorValue_; }
    const QByteArray& anchorTzid() const { return anchorTzid_; }
    const QDateTime& anchor() const { return anchor_; }

    // The reminder of the occurrence that starts at `anchor`.
    QDateTime reminderFor(const QDateTime& anchor) const;

  private:
    std::optional<QDateTime> momentOf(icalproperty* property);
    std::optional<QDateTime> alarm(const QDateTime& start, const QDateTime& end);
    QDateTime eventEnd(const QDateTime& start);

    icalcomponent* calendar_;
    icalcomponent* item_;
    const LocalTimeZone& local_;
    QTime dayTime_;
    icaltimetype anchorValue_ = icaltime_null_time();
    QByteArray anchorTzid_;
    QDateTime anchor_;
    bool allDay_ = false;
    qint64 offset_ = 0;  // from the anchor to the reminder: days all day, else seconds
    QString problem_;
};
