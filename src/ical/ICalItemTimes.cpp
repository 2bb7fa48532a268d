#include "ical/ICalItemTimes.h"

#include "ical/ICalTime.h"

namespace {

icaltimetype valueOf(icalproperty* property) {
    switch (icalproperty_isa(property)) {
        case ICAL_DTSTART_PROPERTY:
            return icalproperty_get_dtstart(property);
        case ICAL_DTEND_PROPERTY:
            return icalproperty_get_dtend(property);
        case ICAL_DUE_PROPERTY:
            return icalproperty_get_due(property);
        default:
            return icaltime_null_time();
    }
}

}  // namespace

ICalItemTimes::ICalItemTimes(icalcomponent* calendar, icalcomponent* item,
                             const LocalTimeZone& local, QTime dayTime)
    : calendar_(calendar), item_(item), local_(local), dayTime_(dayTime) {
    const bool todo = icalcomponent_isa(item) == ICAL_VTODO_COMPONENT;
    icalproperty* start = icalcomponent_get_first_property(item, ICAL_DTSTART_PROPERTY);
    icalproperty* due = icalcomponent_get_first_property(item, ICAL_DUE_PROPERTY);
    icalproperty* base = todo ? due : start;
    if (!base) {
        problem_ = todo ? QStringLiteral("no due time.") : QStringLiteral("no start.");
        return;
    }
    icalproperty* anchor = start ? start : due;
    anchorValue_ = valueOf(anchor);
    anchorTzid_ = calendartime::tzidOf(anchor);
    const std::optional<QDateTime> anchorAt = momentOf(anchor);
    const std::optional<QDateTime> baseAt = momentOf(base);
    if (!anchorAt || !baseAt) {
        return;
    }
    anchor_ = *anchorAt;
    allDay_ = valueOf(base).is_date;
    if (allDay_) {
        offset_ = anchor_.date().daysTo(baseAt->date());
        return;
    }
    const QDateTime startAt = todo && !start ? *baseAt : *anchorAt;
    const QDateTime endAt = todo ? *baseAt : eventEnd(startAt);
    const std::optional<QDateTime> alarmAt = alarm(startAt, endAt);
    if (problem_.isEmpty()) {
        offset_ = anchor_.secsTo(alarmAt ? *alarmAt : *baseAt);
    }
}

std::optional<QDateTime> ICalItemTimes::momentOf(icalproperty* property) {
    const icaltimetype value = valueOf(property);
    const QByteArray tzid = calendartime::tzidOf(property);
    if (icaltime_is_null_time(value)) {
        problem_ = QStringLiteral("a time that names no day.");
        return std::nullopt;
    }
    std::optional<QDateTime> at = calendartime::moment(calendar_, value, tzid, local_, dayTime_);
    if (!at || !at->isValid()) {
        problem_ = QStringLiteral(
                       "the time zone \"%1\" is defined neither in the file nor "
                       "on the system.")
                       .arg(QString::fromUtf8(tzid));
        return std::nullopt;
    }
    return at;
}

QDateTime ICalItemTimes::eventEnd(const QDateTime& start) {
    if (icalproperty* end = icalcomponent_get_first_property(item_, ICAL_DTEND_PROPERTY)) {
        return momentOf(end).value_or(start);
    }
    if (icalproperty* span = icalcomponent_get_first_property(item_, ICAL_DURATION_PROPERTY)) {
        return start.addSecs(icaldurationtype_as_int(icalproperty_get_duration(span)));
    }
    return start;
}

// The first display alarm's moment: a time of its own, or a distance from
// the start or, when it says so, the end.
std::optional<QDateTime> ICalItemTimes::alarm(const QDateTime& start, const QDateTime& end) {
    for (icalcomponent* a = icalcomponent_get_first_component(item_, ICAL_VALARM_COMPONENT); a;
         a = icalcomponent_get_next_component(item_, ICAL_VALARM_COMPONENT)) {
        icalproperty* action = icalcomponent_get_first_property(a, ICAL_ACTION_PROPERTY);
        icalproperty* trigger = icalcomponent_get_first_property(a, ICAL_TRIGGER_PROPERTY);
        if (!action || !trigger || icalproperty_get_action(action) != ICAL_ACTION_DISPLAY) {
            continue;
        }
        const icaltriggertype when = icalproperty_get_trigger(trigger);
        if (!icaltime_is_null_time(when.time)) {
            return calendartime::moment(calendar_, when.time, calendartime::tzidOf(trigger), local_,
                                        dayTime_);
        }
        icalparameter* related = icalproperty_get_first_parameter(trigger, ICAL_RELATED_PARAMETER);
        const bool fromEnd = related && icalparameter_get_related(related) == ICAL_RELATED_END;
        return (fromEnd ? end : start).addSecs(icaldurationtype_as_int(when.duration));
    }
    return std::nullopt;
}

QDateTime ICalItemTimes::reminderFor(const QDateTime& anchor) const {
    if (allDay_) {
        return local_.at(anchor.date().addDays(offset_), dayTime_);
    }
    return anchor.addSecs(offset_);
}
