#include "ical/ICalTime.h"

#include "ical/LocalTimeZone.h"

namespace calendartime {

namespace {

std::optional<QDateTime> fromLibicalZone(icaltimetype value, icaltimezone* zone,
                                         const LocalTimeZone& local) {
    value.zone = nullptr;
    return local.of(
        QDateTime::fromSecsSinceEpoch(icaltime_as_timet_with_zone(value, zone), Qt::UTC));
}

}  // namespace

icaltimetype wallTime(const QDateTime& moment) {
    const QDate d = moment.date();
    const QTime t = moment.time();
    icaltimetype time = icaltime_null_time();
    time.year = d.year();
    time.month = d.month();
    time.day = d.day();
    time.hour = t.hour();
    time.minute = t.minute();
    time.second = t.second();
    return time;
}

icaltimetype utcTime(const QDateTime& moment) {
    icaltimetype time = wallTime(moment.toUTC());
    return icaltime_set_timezone(&time, icaltimezone_get_utc_timezone());
}

QByteArray tzidOf(icalproperty* property) {
    icalparameter* tzid =
        property ? icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER) : nullptr;
    return tzid ? QByteArray(icalparameter_get_tzid(tzid)) : QByteArray();
}

QTimeZone namedZone(const QByteArray& tzid) {
    return QTimeZone::isTimeZoneIdAvailable(tzid) ? QTimeZone(tzid) : QTimeZone();
}

QDateTime wallMoment(const QDate& day, const QTime& time, const QTimeZone& zone) {
    const QDateTime at(day, time, zone);
    if (at.isValid() || !day.isValid() || !time.isValid()) {
        return at;
    }
    // In the gap of a change forward: the offset of a day earlier.
    const QDateTime wall(day, time, Qt::UTC);
    return wall.addSecs(-zone.offsetFromUtc(wall.addDays(-1))).toTimeZone(zone);
}

std::optional<QDateTime> moment(icalcomponent* calendar, icaltimetype value, const QByteArray& tzid,
                                const LocalTimeZone& local, QTime dayTime) {
    const QDate day(value.year, value.month, value.day);
    if (value.is_date) {
        return local.at(day, dayTime);
    }
    const QTime time(value.hour, value.minute, value.second);
    if (icaltime_is_utc(value)) {
        return local.of(QDateTime(day, time, Qt::UTC));
    }
    if (tzid.isEmpty()) {
        return local.at(day, time);
    }
    // The system's data of a zone it knows by name: some programs define a
    // zone by only the changes they expect their events to need (khal the
    // next two), which misplaces every time past them.
    if (const QTimeZone zone = namedZone(tzid); zone.isValid()) {
        return local.of(wallMoment(day, time, zone));
    }
    // Else the file's own definition is what its writer meant by the name.
    if (icaltimezone* own = icalcomponent_get_timezone(calendar, tzid.constData())) {
        return fromLibicalZone(value, own, local);
    }
    if (const QByteArray iana = QTimeZone::windowsIdToDefaultIanaId(tzid); !iana.isEmpty()) {
        return local.of(wallMoment(day, time, QTimeZone(iana)));
    }
    if (icaltimezone* builtin = icaltimezone_get_builtin_timezone(tzid.constData())) {
        return fromLibicalZone(value, builtin, local);
    }
    return std::nullopt;
}

}  // namespace calendartime
