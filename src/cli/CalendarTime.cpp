#include "cli/CalendarTime.h"

namespace calendartime {

namespace {

QDateTime wallOf(const icaltimetype& value, const QTimeZone& zone) {
    return QDateTime(QDate(value.year, value.month, value.day),
                     QTime(value.hour, value.minute, value.second), zone);
}

// A zone of the system's data under the TZID, or under the IANA name of the
// Windows name some programs write without a definition.
QTimeZone systemZone(const QByteArray& tzid) {
    if (QTimeZone::isTimeZoneIdAvailable(tzid)) {
        return QTimeZone(tzid);
    }
    const QByteArray iana = QTimeZone::windowsIdToDefaultIanaId(tzid);
    return iana.isEmpty() ? QTimeZone() : QTimeZone(iana);
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

bool zoneKnown(icalcomponent* calendar, const QByteArray& tzid) {
    return tzid.isEmpty() || icalcomponent_get_timezone(calendar, tzid.constData()) ||
           systemZone(tzid).isValid() || icaltimezone_get_builtin_timezone(tzid.constData());
}

std::optional<QDateTime> moment(icalcomponent* calendar, icaltimetype value, const QByteArray& tzid,
                                const QTimeZone& local, QTime dayTime) {
    if (value.is_date) {
        return QDateTime(QDate(value.year, value.month, value.day), dayTime, local);
    }
    if (icaltime_is_utc(value)) {
        return wallOf(value, QTimeZone::utc()).toTimeZone(local);
    }
    if (tzid.isEmpty()) {
        return wallOf(value, local);
    }
    // The file's own definition is what its writer meant by the name.
    if (icaltimezone* own = icalcomponent_get_timezone(calendar, tzid.constData())) {
        value.zone = nullptr;
        return QDateTime::fromSecsSinceEpoch(icaltime_as_timet_with_zone(value, own), local);
    }
    if (const QTimeZone zone = systemZone(tzid); zone.isValid()) {
        return wallOf(value, zone).toTimeZone(local);
    }
    if (icaltimezone* builtin = icaltimezone_get_builtin_timezone(tzid.constData())) {
        value.zone = nullptr;
        return QDateTime::fromSecsSinceEpoch(icaltime_as_timet_with_zone(value, builtin), local);
    }
    return std::nullopt;
}

}  // namespace calendartime
