#pragma once

#include <libical/ical.h>

#include <QDate>
#include <QList>
#include <bitset>

// The days a recurrence rule's BY parts give, reckoned the way libical 3.0
// expands them in the Gregorian calendar with SKIP=OMIT, without running its
// iterator: the days of a month of a monthly rule, of a year of a yearly one,
// and whether a day passes the parts that only filter the times of a rule by
// the day or more often. A part the rule leaves out takes the start's value
// where libical does so (the start's day of the month, its month).
class ICalRuleDays {
  public:
    ICalRuleDays(const icalrecurrencetype& rule, const icaltimetype& start);

    bool monthHasDays(int year, int month) const;
    // A yearly rule by week numbers takes only weekdays without a position,
    // with weeks from Monday and none of BYMONTH, BYMONTHDAY, BYYEARDAY and
    // BYSETPOS beside; weekNumbersPlain() says whether it is such a rule.
    bool yearHasDays(int year) const;
    bool weekNumbersPlain() const;
    bool dayPasses(const QDate& day) const;

    // The most days the parts give in one month or one year.
    int mostDaysInMonth() const;
    int mostDaysInYear() const;

    const QList<short>& months() const { return months_; }
    const QList<short>& weekdays() const { return weekdays_; }
    bool hasMonths() const { return !months_.isEmpty(); }
    bool hasMonthDays() const { return !monthDays_.isEmpty(); }
    bool hasYearDays() const { return !yearDays_.isEmpty(); }
    bool hasWeekNumbers() const { return !weekNumbers_.isEmpty(); }
    bool hasWeekdays() const { return !weekdays_.isEmpty(); }
    bool hasSetPositions() const { return !setPositions_.isEmpty(); }

  private:
    // Day numbers from 1; day 0 and those past the period stay clear.
    using Days = std::bitset<400>;

    Days weekdaysIn(int lastDay, int firstDow, int lastDow) const;
    void addMonthDays(int year, int month, int offset, Days& days, int& total) const;
    Days setPositionsOf(const Days& days, int lastDay, int total) const;
    bool yearHasWeekDays(int year) const;

    QList<short> months_;
    QList<short> monthDays_;
    QList<short> yearDays_;
    QList<short> weekNumbers_;
    QList<short> weekdays_;  // libical's encoding: weekday and position
    QList<short> setPositions_;
    int startDay_;
    int startMonth_;
    bool mondayWeeks_;
};
