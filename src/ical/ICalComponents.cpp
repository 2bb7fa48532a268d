#include "ical/ICalComponents.h"

namespace icalcomponents {

QList<icalcomponent*> calendarsIn(icalcomponent* root) {
    if (icalcomponent_isa(root) == ICAL_VCALENDAR_COMPONENT) {
        return {root};
    }
    QList<icalcomponent*> found;
    if (icalcomponent_isa(root) == ICAL_XROOT_COMPONENT) {
        for (icalcomponent* c = icalcomponent_get_first_component(root, ICAL_VCALENDAR_COMPONENT);
             c; c = icalcomponent_get_next_component(root, ICAL_VCALENDAR_COMPONENT)) {
            found << c;
        }
    }
    return found;
}

QList<icalcomponent*> itemsIn(icalcomponent* calendar) {
    QList<icalcomponent*> found;
    for (icalcomponent* c = icalcomponent_get_first_component(calendar, ICAL_ANY_COMPONENT); c;
         c = icalcomponent_get_next_component(calendar, ICAL_ANY_COMPONENT)) {
        const icalcomponent_kind kind = icalcomponent_isa(c);
        if (kind == ICAL_VEVENT_COMPONENT || kind == ICAL_VTODO_COMPONENT) {
            found << c;
        }
    }
    return found;
}

namespace {

bool hasProperty(icalcomponent* item, const char* name) {
    for (icalproperty* p = icalcomponent_get_first_property(item, ICAL_X_PROPERTY); p;
         p = icalcomponent_get_next_property(item, ICAL_X_PROPERTY)) {
        if (qstrcmp(icalproperty_get_x_name(p), name) == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

QString notWanted(icalcomponent* item) {
    if (hasProperty(item, "X-CHRONIDEX-LAUNCH")) {
        return QStringLiteral("a program launch; launches are not imported.");
    }
    const icalproperty_status status = icalcomponent_get_status(item);
    if (status == ICAL_STATUS_CANCELLED) {
        return QStringLiteral("cancelled.");
    }
    if (status == ICAL_STATUS_COMPLETED ||
        icalcomponent_get_first_property(item, ICAL_COMPLETED_PROPERTY)) {
        return QStringLiteral("done.");
    }
    return {};
}

}  // namespace icalcomponents
