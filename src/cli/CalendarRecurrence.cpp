#include "cli/CalendarRecurrence.h"

#include <QSet>
#include <algorithm>
#include <tuple>

#include "cli/CalendarTime.h"

namespace {
// Wall times in order, zones aside.
bool wallBefore(const icaltimetype& a, const icaltimetype& b) {
    return std::tie(a.year, a.month, a.day, a.hour, a.minute, a.second) <
           std::tie(b.year, b.month, b.day, b.hour, b.minute, b.second);
}
}  // namespace

CalendarRecurrence::CalendarRecurrence(icalcomponent* calendar, icalcomponent* item,
                                       icaltimetype start, QByteArray tzid,
                                       const LocalTimeZone& local, QTime dayTime)
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

bool CalendarRecurrence::recurs(icalcomponent* item) {
    return icalcomponent_get_first_property(item, ICAL_RRULE_PROPERTY) ||
           icalcomponent_get_first_property(item, ICAL_RDATE_PROPERTY);
}

std::optional<QDateTime> CalendarRecurrence::moment(icaltimetype value,
                                                    const QByteArray& tzid) const {
    return calendartime::moment(calendar_, value, tzid, local_, dayTime_);
}

QList<QDateTime> CalendarRecurrence::starts(const QDateTime& from, const QDateTime& to,
                                            qint64& steps) const {
    QList<QDateTime> found;
    const auto take = [&](const std::optional<QDateTime>& at) {
        if (at && *at >= from && *at < to) {
            found << *at;
        }
    };
    take(moment(start_, tzid_));
    for (icalproperty* p = icalcomponent_get_first_property(item_, ICAL_RRULE_PROPERTY); p;
         p = icalcomponent_get_next_property(item_, ICAL_RRULE_PROPERTY)) {
        followRule(icalproperty_get_rrule(p), from, to, steps, found);
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

void CalendarRecurrence::followRule(const icalrecurrencetype& rule, const QDateTime& from,
                                    const QDateTime& to, qint64& budget,
                                    QList<QDateTime>& found) const {
    icalrecur_iterator* steps = icalrecur_iterator_new(rule, start_);
    if (!steps) {
        return;
    }
    // A rule without a count may start at the span rather than years before
    // it; two days early, for the zones' difference in wall time.
    const QDateTime early = from.addDays(-2);
    const std::optional<QDateTime> first = moment(start_, tzid_);
    if (rule.count == 0 && first && *first < early) {
        icaltimetype skip = calendartime::wallTime(early);
        skip.zone = start_.zone;
        skip.is_date = start_.is_date;
        if (!icalrecur_iterator_set_start(steps, skip)) {
            icalrecur_iterator_free(steps);
            steps = icalrecur_iterator_new(rule, start_);
        }
    }
    // Wall times two days outside the span are outside it in any zone: the
    // steps before it need no conversion.
    const icaltimetype wallFrom = calendartime::wallTime(early);
    const icaltimetype wallTo = calendartime::wallTime(to.addDays(2));
    for (; budget > 0; --budget) {
        const icaltimetype next = icalrecur_iterator_next(steps);
        if (icaltime_is_null_time(next) || wallBefore(wallTo, next)) {
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
    icalrecur_iterator_free(steps);
}

// An excluded date alone drops every start on that day.
void CalendarRecurrence::dropExcluded(QList<QDateTime>& found) const {
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
