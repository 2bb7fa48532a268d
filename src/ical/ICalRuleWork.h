#pragma once

#include <libical/ical.h>

#include <QString>

#include "ical/ICalRuleDays.h"

// The work libical 3.0's recurrence iterator does for a rule, reckoned
// before it runs, so that an import can keep it within a budget. libical 3.0
// has no limit of its own: its iterator tries every candidate time (each
// second of a rule by the second, whether or not the BY parts let it
// through) up to the rule's UNTIL, else up to the year 2582, and for a
// monthly or yearly rule it searches month by month or year by year, up to
// the year 20000 and whatever UNTIL says, for one its BY parts give days in.
// A step here is one candidate time or one month or year searched.
class ICalRuleWork {
  public:
    enum class Verdict {
        Follow,
        Never,        // names no time: the iterator would search in vain
        Unfollowable  // cannot be told from a rule that never yields
    };

    // `start` the wall time the rule repeats (its DTSTART).
    ICalRuleWork(const icalrecurrencetype& rule, const icaltimetype& start);

    Verdict verdict() const { return verdict_; }
    // Why the rule is not followed, for the user; empty when it is.
    const QString& reason() const { return reason_; }

    // Whether a day between the two wall times passes the rule's filters
    // (for a rule by the week or more often; monthly and yearly rules were
    // searched through already).
    bool mayOccurBetween(const icaltimetype& from, const icaltimetype& to) const;
    // The most steps the iterator takes from `from` to `to`, both wall
    // times, its searches for a month or year with days included.
    qint64 stepsBetween(const icaltimetype& from, const icaltimetype& to) const;
    // The wall time up to which the iterator takes at most `steps` from
    // `from`; a null time when its searches alone may take more.
    icaltimetype reachWithin(const icaltimetype& from, qint64 steps) const;

  private:
    void searchPeriods(const icaltimetype& start);
    qint64 candidatesPerPeriod() const;
    qint64 periodSeconds() const;
    bool periodic() const;

    icalrecurrencetype_frequency frequency_;
    int interval_;
    ICalRuleDays days_;
    int timesPerDay_ = 1;
    // The most months or years in a row, in the rule's steps, that give no
    // day: how long one search for the next may take.
    qint64 longestSearch_ = 0;
    Verdict verdict_ = Verdict::Follow;
    QString reason_;
};
