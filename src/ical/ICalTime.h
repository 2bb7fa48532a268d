#pragma once

#include <libical/ical.h>

#include <QByteArray>
#include <QDateTime>
#include <QTimeZone>
#include <optional>

class LocalTimeZone;

// Between libical's time values and Qt's moments. libical keeps a value as
// its wall time with, at most, a pointer to a zone; a value whose property
// names a TZID is turned into a moment here: through the system's zone data
// when it knows the TZID by its IANA name, else through the file's own zone
// definition, the system's data under a Windows name, libical's own zones.
// Moments come out in local time, the clock's (LocalTimeZone).
namespace calendartime {

// The moment's wall time, with no zone.
icaltimetype wallTime(const QDateTime& moment);
// The moment in UTC.
icaltimetype utcTime(const QDateTime& moment);

// The TZID parameter of a time property; empty for UTC and floating times.
QByteArray tzidOf(icalproperty* property);

// The system's zone of that IANA name; an invalid zone when it has none.
QTimeZone namedZone(const QByteArray& tzid);

// The moment of a wall time in `zone`. A time that a change to summer time
// skips is read with the offset before the change, as RFC 5545 says: 02:30
// on that night is 03:30.
QDateTime wallMoment(const QDate& day, const QTime& time, const QTimeZone& zone);

// The moment `value` names, in local time: a UTC value as UTC, one with a
// TZID in that zone, a floating one as local time. A value that is a date
// alone is its day at `dayTime`. Nothing for a zone that is not known.
std::optional<QDateTime> moment(icalcomponent* calendar, icaltimetype value, const QByteArray& tzid,
                                const LocalTimeZone& local, QTime dayTime);

}  // namespace calendartime
