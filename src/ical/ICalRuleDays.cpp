#include "ical/ICalRuleDays.h"

#include <algorithm>
#include <cstdlib>

namespace {

QList<short> partOf(const short* values, int size) {
    QList<short> part;
    for (int i = 0; i < size && values[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i) {
        part << values[i];
    }
    return part;
}

// libical numbers weekdays from 1, Sunday, to 7, Saturday.
int weekdayOf(const QDate& day) {
    return day.dayOfWeek() % 7 + 1;
}

// ISO years of 53 weeks begin on a Thursday, leap ones on a Wednesday too.
int weeksIn(int year) {
    const int first = weekdayOf(QDate(year, 1, 1));
    return first == 5 || (first == 4 && QDate::isLeapYear(year)) ? 53 : 52;
}

bool contains(const QList<short>& part, int value) {
    return std::find(part.begin(), part.end(), value) != part.end();
}

}  // namespace

ICalRuleDays::ICalRuleDays(const icalrecurrencetype& rule, const icaltimetype& start)
    : months_(partOf(rule.by_month, ICAL_BY_MONTH_SIZE)),
      monthDays_(partOf(rule.by_month_day, ICAL_BY_MONTHDAY_SIZE)),
      yearDays_(partOf(rule.by_year_day, ICAL_BY_YEARDAY_SIZE)),
      weekNumbers_(partOf(rule.by_week_no, ICAL_BY_WEEKNO_SIZE)),
      weekdays_(partOf(rule.by_day, ICAL_BY_DAY_SIZE)),
      setPositions_(partOf(rule.by_set_pos, ICAL_BY_SETPOS_SIZE)),
      startDay_(start.day),
      startMonth_(start.month),
      mondayWeeks_(rule.week_start == ICAL_MONDAY_WEEKDAY) {}

// Each weekday of the list in a span of days, the first on `firstDow`: all
// of them without a position, else the nth from the start or the end.
ICalRuleDays::Days ICalRuleDays::weekdaysIn(int lastDay, int firstDow, int lastDow) const {
    Days days;
    for (const short encoded : weekdays_) {
        const int dow = icalrecurrencetype_day_day_of_week(encoded);
        const int position = icalrecurrencetype_day_position(encoded);
        const int first = (dow + 7 - firstDow) % 7 + 1;
        const int last = lastDay - (lastDow + 7 - dow) % 7;
        if (position == 0) {
            for (int day = first; day <= lastDay; day += 7) {
                days.set(day);
            }
        } else if (const int day =
                       position > 0 ? first + (position - 1) * 7 : last + (position + 1) * 7;
                   day >= first && day <= last) {
            days.set(day);
        }
    }
    return days;
}

// The month's days of BYMONTHDAY (else the start's day) at `offset` on;
// a day the month has not is left out, and not counted.
void ICalRuleDays::addMonthDays(int year, int month, int offset, Days& days, int& total) const {
    const int length = QDate(year, month, 1).daysInMonth();
    const QList<short> wanted = hasMonthDays() ? monthDays_ : QList<short>{short(startDay_)};
    for (const short day : wanted) {
        if (std::abs(day) > length) {
            continue;
        }
        days.set(offset + (day > 0 ? day : length + 1 + day));
        ++total;
    }
}

// BYSETPOS counts the days in order, from the first or, negative, from the
// last of `total`, which libical counts as it added them.
ICalRuleDays::Days ICalRuleDays::setPositionsOf(const Days& days, int lastDay, int total) const {
    Days kept;
    int count = 0;
    for (int day = 1; day <= lastDay; ++day) {
        if (!days.test(day)) {
            continue;
        }
        if (contains(setPositions_, count + 1) || contains(setPositions_, count - total)) {
            kept.set(day);
        }
        ++count;
    }
    return kept;
}

bool ICalRuleDays::monthHasDays(int year, int month) const {
    const QDate first(year, month, 1);
    const int length = first.daysInMonth();
    Days days;
    int total = 0;
    addMonthDays(year, month, 0, days, total);
    if (hasWeekdays()) {
        const Days given =
            weekdaysIn(length, weekdayOf(first), weekdayOf(first.addDays(length - 1)));
        days = hasMonthDays() ? days & given : given;
        total = int(days.count());
    }
    if (hasSetPositions()) {
        days = setPositionsOf(days, length, total);
    }
    return days.any();
}

bool ICalRuleDays::yearHasDays(int year) const {
    if (hasWeekNumbers()) {
        return yearHasWeekDays(year);
    }
    const int length = QDate::isLeapYear(year) ? 366 : 365;
    Days days;
    int total = 0;
    if (hasYearDays()) {
        for (const short day : yearDays_) {
            if (std::abs(day) <= length) {
                days.set(day > 0 ? day : length + 1 + day);
                ++total;
            }
        }
    } else {
        for (const short month : hasMonths() ? months_ : QList<short>{short(startMonth_)}) {
            if (month >= 1 && month <= 12) {
                addMonthDays(year, month, QDate(year, month, 1).dayOfYear() - 1, days, total);
            }
        }
    }
    if (hasWeekdays()) {
        // Positions count within each month of BYMONTH, else within the year;
        // with BYYEARDAY or BYMONTHDAY the weekdays only filter their days.
        const bool filtering = hasYearDays() || hasMonthDays();
        total = 0;
        const auto apply = [&](const QDate& first, int lastDay) {
            const int offset = first.dayOfYear() - 1;
            const Days given =
                weekdaysIn(lastDay, weekdayOf(first), weekdayOf(first.addDays(lastDay - 1)));
            for (int day = 1; day <= lastDay; ++day) {
                const bool kept = given.test(day) && (!filtering || days.test(offset + day));
                days.set(offset + day, kept);
                total += kept ? 1 : 0;
            }
        };
        if (hasMonths()) {
            for (const short month : months_) {
                if (month >= 1 && month <= 12) {
                    const QDate first(year, month, 1);
                    apply(first, first.daysInMonth());
                }
            }
        } else {
            apply(QDate(year, 1, 1), length);
        }
    }
    if (hasSetPositions()) {
        days = setPositionsOf(days, length, total);
    }
    return days.any();
}

bool ICalRuleDays::weekNumbersPlain() const {
    const bool positionless = std::all_of(weekdays_.begin(), weekdays_.end(), [](short encoded) {
        return icalrecurrencetype_day_position(encoded) == 0;
    });
    const bool real = std::all_of(weekNumbers_.begin(), weekNumbers_.end(),
                                  [](short week) { return std::abs(week) <= 53; });
    return hasWeekNumbers() && !hasMonths() && !hasMonthDays() && !hasYearDays() &&
           !hasSetPositions() && mondayWeeks_ && positionless && real;
}

// libical marks a day for each week number alone; with weekdays, a day of
// one of the weeks the year has.
bool ICalRuleDays::yearHasWeekDays(int year) const {
    if (!hasWeekdays()) {
        return true;
    }
    const int weeks = weeksIn(year);
    return std::any_of(weekNumbers_.begin(), weekNumbers_.end(), [&](short week) {
        const int number = week > 0 ? week : week + weeks + 1;
        return number >= 1 && number <= weeks;
    });
}

bool ICalRuleDays::dayPasses(const QDate& day) const {
    return (!hasMonths() || contains(months_, day.month())) &&
           (!hasMonthDays() || contains(monthDays_, day.day())) &&
           (!hasYearDays() || contains(yearDays_, day.dayOfYear())) &&
           (!hasWeekdays() || contains(weekdays_, weekdayOf(day)));
}

int ICalRuleDays::mostDaysInMonth() const {
    int weekdays = 0;
    for (const short encoded : weekdays_) {
        weekdays += icalrecurrencetype_day_position(encoded) == 0 ? 5 : 1;
    }
    int most = hasMonthDays() ? int(monthDays_.size()) : 1;
    if (hasWeekdays()) {
        most = hasMonthDays() ? std::min(most, weekdays) : weekdays;
    }
    return std::min(most, 31);
}

int ICalRuleDays::mostDaysInYear() const {
    int most = 0;
    if (hasYearDays()) {
        most = int(yearDays_.size());
    } else if (hasWeekNumbers()) {
        most = int(weekNumbers_.size()) * (hasWeekdays() ? int(weekdays_.size()) : 1);
    } else if (hasWeekdays() && !hasMonths()) {
        for (const short encoded : weekdays_) {
            most += icalrecurrencetype_day_position(encoded) == 0 ? 53 : 1;
        }
        if (hasMonthDays()) {
            most = std::min(most, int(monthDays_.size()));
        }
    } else {
        most = (hasMonths() ? int(months_.size()) : 1) * mostDaysInMonth();
    }
    return std::min(most, 366);
}
