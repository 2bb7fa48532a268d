#include "ical/ICalRecurrence.h"

#include <QSet>
#include <algorithm>
#include <tuple>

#include "ical/ICalRuleWork.h"
#include "ical/ICalTime.h"

namespace {
// Wall times in order, zones aside.
bool wallBefore(const icaltimetype& a, const icaltimetype& b) {
    return std::tie(a.year, a.month, a.day, a.hour, a.minute, a.second) <
           std::tie(b.year, b.month, b.day, b.hour, b.minute, b.second);
}

// The wall time in the form of the rule's start: its zone, a date or not.
icaltimetype likeStart(icaltimetype wall, const icaltimetype& start) {
    wall.zone = start.zone;
    wall.is_date = start.is_date;
    if (start.is_date) {
        wall.hour = wall.minute = wall.second = 0;
    }
    return wall;
}
}  // namespace

ICalRecurrence::ICalRecurrence(icalcomponent* calendar, icalcomponent* item, icaltimetype start,
                               QByteArray tzid, const LocalTimeZone& local, QTime dayTime)
    : calendar_(calendar),
      item_(item),
      start_(start),
      tzid_(std::move(tzid)),
      local_(local),
      dayTime_(dayTime) {
    // A value with a TZID is wall time of that zone: the rules step through it.
    if (!tzid_.isEmpty()) {
        start_.zone = nullptr;
    }
}

bool ICalRecurrence::recurs(icalcomponent* item) {
    return icalcomponent_get_first_property(item, ICAL_RRULE_PROPERTY) ||
           icalcomponent_get_first_property(item, ICAL_RDATE_PROPERTY);
}

QString ICalRecurrence::unfollowable() const {
    for (icalproperty* p = icalcomponent_get_first_property(item_, ICAL_RRULE_PROPERTY); p;
         p = icalcomponent_get_next_property(item_, ICAL_RRULE_PROPERTY)) {
        const ICalRuleWork work(icalproperty_get_rrule(p), start_);
        if (work.verdict() == ICalRuleWork::Verdict::Unfollowable) {
            return work.reason();
        }
    }
    return {};
}

std::optional<QDateTime> ICalRecurrence::moment(icaltimetype value, const QByteArray& tzid) const {
    return calendartime::moment(calendar_, value, tzid, local_, dayTime_);
}

QList<QDateTime> ICalRecurrence::starts(const QDateTime& from, const QDateTime& to, qint64& steps,
                                        bool& cut) const {
    QList<QDateTime> found;
    const auto take = [&](const std::optional<QDateTime>& at) {
        if (at && *at >= from && *at < to) {
            found << *at;
        }
    };
    take(moment(start_, tzid_));
    for (icalproperty* p = icalcomponent_get_first_property(item_, ICAL_RRULE_PROPERTY); p;
         p = icalcomponent_get_next_property(item_, ICAL_RRULE_PROPERTY)) {
        followRule(icalproperty_get_rrule(p), from, to, steps, cut, found);
    }
    for (icalproperty* p = icalcomponent_get_first_property(item_, ICAL_RDATE_PROPERTY); p;
         p = icalcomponent_get_next_property(item_, ICAL_RDATE_PROPERTY)) {
        const icaldatetimeperiodtype date = icalproperty_get_rdate(p);
        const icaltimetype value = icaltime_is_null_time(date.time) ? date.period.start : date.time;
        take(moment(value, calendartime::tzidOf(p)));
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    dropExcluded(found);
    return found;
}

// The iterator is told to end two days past the span (the UNTIL it works
// to), and to begin two days before it where the rule has no count; what it
// may take between those is paid for from the budget first, and where its
// share is short it ends sooner.
void ICalRecurrence::followRule(icalrecurrencetype rule, const QDateTime& from, const QDateTime& to,
                                qint64& budget, bool& cut, QList<QDateTime>& found) const {
    const ICalRuleWork work(rule, start_);
    if (work.verdict() != ICalRuleWork::Verdict::Follow) {
        return;
    }
    // Wall times two days outside the span are outside it in any zone.
    const QDateTime early = from.addDays(-2);
    const std::optional<QDateTime> first = moment(start_, tzid_);
    const bool skipAhead = rule.count == 0 && first && *first < early;
    const icaltimetype begin =
        skipAhead ? likeStart(calendartime::wallTime(early), start_) : start_;
    icaltimetype end = calendartime::wallTime(to.addDays(2));
    if (!icaltime_is_null_time(rule.until) && wallBefore(icaltime_normalize(rule.until), end)) {
        end = icaltime_normalize(rule.until);
    }
    if (!wallBefore(begin, end) || !work.mayOccurBetween(begin, end)) {
        return;
    }
    qint64 paid = work.stepsBetween(begin, end);
    if (paid > budget / 2) {
        cut = true;
        paid = budget / 2;
        budget -= paid;
        const icaltimetype reach = work.reachWithin(begin, paid);
        // Short of the span, the steps it has would find nothing.
        if (icaltime_is_null_time(reach) || wallBefore(reach, calendartime::wallTime(early))) {
            return;
        }
        end = wallBefore(reach, end) ? reach : end;
    } else {
        budget -= paid;
    }
    rule.until = likeStart(end, start_);
    icalrecur_iterator* steps = icalrecur_iterator_new(rule, start_);
    if (!steps) {
        return;
    }
    // Setting the start fails only where the rule has no time after it.
    if (!skipAhead || icalrecur_iterator_set_start(steps, begin)) {
        const icaltimetype wallFrom = calendartime::wallTime(early);
        for (; paid > 0; --paid) {
            const icaltimetype next = icalrecur_iterator_next(steps);
            if (icaltime_is_null_time(next)) {
                break;
            }
            if (wallBefore(next, wallFrom)) {
                continue;
            }
            const std::optional<QDateTime> at = moment(next, tzid_);
            if (!at || *at >= to) {
                break;
            }
            if (*at >= from) {
                found << *at;
            }
        }
    }
    icalrecur_iterator_free(steps);
}

// An excluded date alone drops every start on that day.
void ICalRecurrence::dropExcluded(QList<QDateTime>& found) const {
    QSet<QDate> days;
    QSet<QDateTime> moments;
    for (icalproperty* p = icalcomponent_get_first_property(item_, ICAL_EXDATE_PROPERTY); p;
         p = icalcomponent_get_next_property(item_, ICAL_EXDATE_PROPERTY)) {
        const icaltimetype value = icalproperty_get_exdate(p);
        if (const std::optional<QDateTime> at = moment(value, calendartime::tzidOf(p))) {
            if (value.is_date) {
                days.insert(at->date());
            } else {
                moments.insert(*at);
            }
        }
    }
    found.removeIf([&](const QDateTime& start) {
        return days.contains(start.date()) || moments.contains(start);
    });
}
