#include "ical/ICalZoneRules.h"

#include <QByteArray>
#include <QList>

#include "ical/ICalRuleWork.h"
#include "ical/ICalTime.h"

namespace calendarzones {

namespace {

// Changes of offset that the fit definitions of one file may expand to; a
// real zone has a few thousand from 1601 to libical's last year.
constexpr qint64 kMostChanges = 200000;

// The last year libical expands a zone to.
icaltimetype lastExpanded() {
    icaltimetype last = icaltime_null_time();
    last.year = 2582;
    last.month = 12;
    last.day = 31;
    return last;
}

// Why the rule is not one a zone changes by; else adds the changes it makes.
QString ruleProblem(icalrecurrencetype rule, const icaltimetype& start, qint64& changes) {
    const bool timesOfDay = rule.by_hour[0] != ICAL_RECURRENCE_ARRAY_MAX ||
                            rule.by_minute[0] != ICAL_RECURRENCE_ARRAY_MAX ||
                            rule.by_second[0] != ICAL_RECURRENCE_ARRAY_MAX;
    if (rule.freq != ICAL_YEARLY_RECURRENCE || timesOfDay) {
        return QStringLiteral("repeats more often than yearly (%1)")
            .arg(QString::fromUtf8(icalrecurrencetype_as_string(&rule)).left(60));
    }
    const ICalRuleWork work(rule, start);
    if (work.verdict() != ICalRuleWork::Verdict::Follow) {
        return QStringLiteral("has a rule that names no time");
    }
    changes += work.stepsBetween(start, lastExpanded());
    return {};
}

QString zoneProblem(icalcomponent* zone, qint64& changes) {
    for (icalcomponent* part = icalcomponent_get_first_component(zone, ICAL_ANY_COMPONENT); part;
         part = icalcomponent_get_next_component(zone, ICAL_ANY_COMPONENT)) {
        icalproperty* dtstart = icalcomponent_get_first_property(part, ICAL_DTSTART_PROPERTY);
        if (!dtstart) {
            continue;  // libical passes such a part over
        }
        const icaltimetype start = icalproperty_get_dtstart(dtstart);
        changes += icalcomponent_count_properties(part, ICAL_RDATE_PROPERTY) + 1;
        for (icalproperty* p = icalcomponent_get_first_property(part, ICAL_RRULE_PROPERTY); p;
             p = icalcomponent_get_next_property(part, ICAL_RRULE_PROPERTY)) {
            if (QString why = ruleProblem(icalproperty_get_rrule(p), start, changes);
                !why.isEmpty()) {
                return why;
            }
        }
    }
    return {};
}

}  // namespace

QString problem(icalcomponent* root) {
    qint64 changes = 0;
    QList<icalcomponent*> calendars{root};
    for (icalcomponent* c = icalcomponent_get_first_component(root, ICAL_VCALENDAR_COMPONENT); c;
         c = icalcomponent_get_next_component(root, ICAL_VCALENDAR_COMPONENT)) {
        calendars << c;
    }
    for (icalcomponent* calendar : calendars) {
        for (icalcomponent* zone =
                 icalcomponent_get_first_component(calendar, ICAL_VTIMEZONE_COMPONENT);
             zone; zone = icalcomponent_get_next_component(calendar, ICAL_VTIMEZONE_COMPONENT)) {
            icalproperty* id = icalcomponent_get_first_property(zone, ICAL_TZID_PROPERTY);
            const QByteArray tzid = id ? QByteArray(icalproperty_get_tzid(id)) : QByteArray();
            // The system's data stands for a zone it knows by name.
            if (calendartime::namedZone(tzid).isValid()) {
                continue;
            }
            if (const QString why = zoneProblem(zone, changes); !why.isEmpty()) {
                return QStringLiteral("its time zone \"%1\" %2, which no zone does.")
                    .arg(QString::fromUtf8(tzid).left(60), why);
            }
        }
    }
    if (changes > kMostChanges) {
        return QStringLiteral(
                   "its time zones would change their offset over %1 times, far more than "
                   "zones do.")
            .arg(kMostChanges);
    }
    return {};
}

}  // namespace calendarzones
