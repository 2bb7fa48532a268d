#pragma once

#include <libical/ical.h>

#include <QByteArray>
#include <QDateTime>
#include <QTimeZone>
#include <optional>

// Between libical's time values and Qt's moments. libical keeps a value as
// its wall time with, at most, a pointer to a zone; a value whose property
// names a TZID is turned into a moment here: through the file's own zone
// definition first, then the system's zone data (IANA or Windows names),
// then libical's own zones.
namespace calendartime {

// The moment's wall time, with no zone.
icaltimetype wallTime(const QDateTime& moment);
// The moment in UTC.
icaltimetype utcTime(const QDateTime& moment);

// The TZID parameter of a time property; empty for UTC and floating times.
QByteArray tzidOf(icalproperty* property);

// Whether a value with this TZID can be placed in time, given the calendar
// (a VCALENDAR, which may define zones) it comes from.
bool zoneKnown(icalcomponent* calendar, const QByteArray& tzid);

// The moment `value` names, shown in `local`: a UTC value as UTC, one with a
// TZID in that zone, a floating one in `local`. A value that is a date alone
// is its day at `dayTime`, in `local`. Nothing for a zone that is not known.
std::optional<QDateTime> moment(icalcomponent* calendar, icaltimetype value, const QByteArray& tzid,
                                const QTimeZone& local, QTime dayTime);

}  // namespace calendartime
