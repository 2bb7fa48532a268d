#pragma once

#include <libical/ical.h>

#include <QString>

// The zone definitions (VTIMEZONE) of a calendar that the import would have
// libical expand: those of zones the system does not know by name. libical
// expands a definition into every change of offset from its first DTSTART
// on, up to the year a time is asked for, holding all of them: a zone that
// changes by the hour since 1601 takes hundreds of megabytes, and one whose
// rule never names a time keeps libical searching. A zone changes its offset
// a few times a year, by yearly rules.
namespace calendarzones {

// Why the definitions are more than libical should expand, in one line;
// empty when they are fit.
QString problem(icalcomponent* root);

}  // namespace calendarzones
