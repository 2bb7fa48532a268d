#pragma once

#include <libical/ical.h>

#include <QString>

// What libical could not read of a calendar, as far as it matters to the
// reminders made of it. libical keeps going past a line it cannot take and
// notes it in an X-LIC-ERROR property where the line stood.
namespace calendarparse {

// The first note that means the file says something other than what libical
// read, in one line; empty when there is none.
QString firstSeriousError(icalcomponent* component);

}  // namespace calendarparse
