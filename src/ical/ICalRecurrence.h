#pragma once

#include <libical/ical.h>

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

#include "ical/LocalTimeZone.h"

// The starts of a recurring event or to-do that fall in a span: those of its
// rules and its extra dates, less its excluded dates, with its own start
// counted first as calendars count it. A rule is followed in the wall time
// of the item's own zone, so an occurrence keeps its local time across a
// change to or from summer time. Starts are in local time.
class ICalRecurrence {
  public:
    // `start` the value of the property the rules repeat (DTSTART, or a
    // to-do's DUE) and its TZID; a date alone stands for `dayTime` of its day.
    ICalRecurrence(icalcomponent* calendar, icalcomponent* item, icaltimetype start,
                   QByteArray tzid, const LocalTimeZone& local, QTime dayTime);

    static bool recurs(icalcomponent* item);

    // Why a rule of the item is not followed, for the user; empty when all are.
    QString unfollowable() const;

    // The starts in [from, to), in order, each once. A rule takes the steps
    // of its iterator's work (ICalRuleWork) from `steps`, reckoned before
    // it runs, at most half of them, so that one that repeats too often
    // leaves steps for the rest; it is followed only as far as they reach,
    // and `cut` says so.
    QList<QDateTime> starts(const QDateTime& from, const QDateTime& to, qint64& steps,
                            bool& cut) const;

  private:
    std::optional<QDateTime> moment(icaltimetype value, const QByteArray& tzid) const;
    void followRule(icalrecurrencetype rule, const QDateTime& from, const QDateTime& to,
                    qint64& budget, bool& cut, QList<QDateTime>& found) const;
    void dropExcluded(QList<QDateTime>& found) const;

    icalcomponent* calendar_;
    icalcomponent* item_;
    icaltimetype start_;
    QByteArray tzid_;
    const LocalTimeZone& local_;
    QTime dayTime_;
};
