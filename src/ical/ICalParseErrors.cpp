#include "ical/ICalParseErrors.h"

#include <QByteArray>
#include <QList>
#include <algorithm>

namespace calendarparse {

namespace {

// Whether libical's note on a line it could not take means the file says
// something other than what libical read: a line that is no property, or a
// value it could not parse of a property that places a reminder in time.
// Unknown properties and parameters are to be ignored, and empty values
// (which some programs write for fields left blank) or broken ones of
// other properties lose nothing a reminder needs.
bool serious(icalproperty* error) {
    icalparameter* type = icalproperty_get_first_parameter(error, ICAL_XLICERRORTYPE_PARAMETER);
    switch (type ? icalparameter_get_xlicerrortype(type) : ICAL_XLICERRORTYPE_NONE) {
        case ICAL_XLICERRORTYPE_COMPONENTPARSEERROR:
            return true;
        case ICAL_XLICERRORTYPE_VALUEPARSEERROR:
            break;
        default:
            return false;
    }
    static const QList<QByteArray> timing{"DTSTART", "DTEND",  "DUE",          "DURATION",
                                          "RRULE",   "RDATE",  "EXDATE",       "RECURRENCE-ID",
                                          "TRIGGER", "ACTION", "TZOFFSETFROM", "TZOFFSETTO"};
    const QByteArray note(icalproperty_get_xlicerror(error));
    return std::any_of(timing.begin(), timing.end(), [&](const QByteArray& name) {
        return note.contains(" in " + name + " property");
    });
}

}  // namespace

QString firstSeriousError(icalcomponent* component) {
    for (icalproperty* p = icalcomponent_get_first_property(component, ICAL_XLICERROR_PROPERTY); p;
         p = icalcomponent_get_next_property(component, ICAL_XLICERROR_PROPERTY)) {
        if (serious(p)) {
            return QString::fromUtf8(icalproperty_get_xlicerror(p)).simplified();
        }
    }
    for (icalcomponent* c = icalcomponent_get_first_component(component, ICAL_ANY_COMPONENT); c;
         c = icalcomponent_get_next_component(component, ICAL_ANY_COMPONENT)) {
        if (QString error = firstSeriousError(c); !error.isEmpty()) {
            return error;
        }
    }
    return {};
}

}  // namespace calendarparse
