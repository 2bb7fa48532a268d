#pragma once

#include <libical/ical.h>

#include <QByteArray>
#include <QDateTime>
#include <QList>

#include "cli/LocalTimeZone.h"

// The starts of a recurring event or to-do that fall in a span: those of its
// rules and its extra dates, less its excluded dates, with its own start
// counted first as calendars count it. A rule is followed in the wall time
// of the item's own zone, so an occurrence keeps its local time across a
// change to or from summer time. Starts are in local time.
class CalendarRecurrence {
  public:
    // `start` the value of the property the rules repeat (DTSTART, or a
    // to-do's DUE) and its TZID; a date alone stands for `dayTime` of its day.
    CalendarRecurrence(icalcomponent* calendar, icalcomponent* item, icaltimetype start,
                       QByteArray tzid, const LocalTimeZone& local, QTime dayTime);

    static bool recurs(icalcomponent* item);

    // The starts in [from, to), in order, each once. Each step of a rule
    // takes one of `steps`; a rule is followed no further once they are spent.
    QList<QDateTime> starts(const QDateTime& from, const QDateTime& to, qint64& steps) const;

  private:
    std::optional<QDateTime> moment(icaltimetype value, const QByteArray& tzid) const;
    void followRule(const icalrecurrencetype& rule, const QDateTime& from, const QDateTime& to,
                    qint64& budget, QList<QDateTime>& found) const;
    void dropExcluded(QList<QDateTime>& found) const;

    icalcomponent* calendar_;
    icalcomponent* item_;
    icaltimetype start_;
    QByteArray tzid_;
    const LocalTimeZone& local_;
    QTime dayTime_;
};
