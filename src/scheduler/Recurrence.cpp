#include "scheduler/Recurrence.h"

#include <algorithm>

namespace {

// Monday to Friday among the days 0 to `day` of the Julian count, whose
// day 0 is a Monday; -1 and below count none.
qint64 workdaysThrough(qint64 day) {
    if (day < 0) {
        return 0;
    }
    const qint64 days = day + 1;
    return days / 7 * 5 + std::min<qint64>(days % 7, 5);
}

bool isWorkday(const QDate& day) {
    return day.dayOfWeek() <= 5;
}

qint64 monthNumber(const QDate& day) {
    return qint64(day.year()) * 12 + day.month() - 1;
}

}  // namespace

Recurrence::Moment Recurrence::Moment::of(const QDateTime& at) {
    return {at.date(), at.time().hour() * 60 + at.time().minute()};
}

Recurrence::Recurrence(RepeatRule rule, const QDate& anchor, int minute)
    : rule_(rule), anchor_(anchor), minute_(minute) {}

QDate Recurrence::occurrenceIn(int year, int month) const {
    const QDate first(year, month, 1);
    return QDate(year, month, std::min(anchor_.day(), first.daysInMonth()));
}

bool Recurrence::isOccurrence(const QDate& day) const {
    return rule_ != RepeatRule::Never && day.isValid() && day >= anchor_ &&
           dayOnOrAfter(day) == day;
}

QDate Recurrence::dayOnOrAfter(const QDate& day) const {
    if (!anchor_.isValid() || !day.isValid()) {
        return {};
    }
    const QDate from = std::max(day, anchor_);
    switch (rule_) {
        case RepeatRule::Never:
            return {};
        case RepeatRule::Daily:
            return from;
        case RepeatRule::Workdays:
            return from.addDays(from.dayOfWeek() == 6 ? 2 : from.dayOfWeek() == 7 ? 1 : 0);
        case RepeatRule::Weekly:
            return from.addDays((anchor_.dayOfWeek() - from.dayOfWeek() + 7) % 7);
        case RepeatRule::Monthly: {
            const QDate here = occurrenceIn(from.year(), from.month());
            if (here >= from) {
                return here;
            }
            const QDate next = from.addMonths(1);
            return occurrenceIn(next.year(), next.month());
        }
        case RepeatRule::Yearly: {
            const QDate here = occurrenceIn(from.year(), anchor_.month());
            return here >= from ? here : occurrenceIn(from.year() + 1, anchor_.month());
        }
    }
    return {};
}

qint64 Recurrence::countThrough(const QDate& day) const {
    if (rule_ == RepeatRule::Never || !day.isValid() || day < anchor_) {
        return 0;
    }
    switch (rule_) {
        case RepeatRule::Never:
            return 0;
        case RepeatRule::Daily:
            return anchor_.daysTo(day) + 1;
        case RepeatRule::Workdays:
            return workdaysThrough(day.toJulianDay()) - workdaysThrough(anchor_.toJulianDay() - 1);
        case RepeatRule::Weekly:
            return anchor_.daysTo(day) / 7 + 1;
        case RepeatRule::Monthly:
            // The anchor's month holds the anchor itself; every later month
            // one day, counted once the day has come.
            return monthNumber(day) - monthNumber(anchor_) +
                   (day >= occurrenceIn(day.year(), day.month()) ? 1 : 0);
        case RepeatRule::Yearly:
            return day.year() - anchor_.year() +
                   (day >= occurrenceIn(day.year(), anchor_.month()) ? 1 : 0);
    }
    return 0;
}

QDate Recurrence::lastDayThrough(const Moment& moment) const {
    return moment.minute >= minute_ ? moment.day : moment.day.addDays(-1);
}

Recurrence::Moment Recurrence::firstFrom(const Moment& moment) const {
    const QDate day = moment.minute <= minute_ ? moment.day : moment.day.addDays(1);
    return {dayOnOrAfter(day), minute_};
}

Recurrence::Moment Recurrence::nextAfter(const Moment& moment) const {
    return {dayOnOrAfter(lastDayThrough(moment).addDays(1)), minute_};
}

QDateTime Recurrence::nextAfter(const QDateTime& now) const {
    const Moment next = nextAfter(Moment::of(now));
    QDateTime at = now;
    at.setDate(next.day);
    at.setTime(QTime(next.minute / 60, next.minute % 60));
    return at;
}

qint64 Recurrence::countBetween(const Moment& from, const Moment& through) const {
    if (!(from < through)) {
        return 0;
    }
    return countThrough(lastDayThrough(through)) - countThrough(lastDayThrough(from));
}

qint64 Recurrence::missed(const Moment& shown, const Moment& now) const {
    return 1 + countBetween(shown, now);
}
