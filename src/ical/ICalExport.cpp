#include "ical/ICalExport.h"

#include <libical/ical.h>

#include <QCryptographicHash>
#include <algorithm>
#include <optional>

#include "ical/ICalRepeat.h"
#include "ical/ICalTime.h"

namespace {

using calendartime::utcTime;
using calendartime::wallTime;

// "HH:MM" as the editors write it; anything else names no time of day.
std::optional<QTime> clockTime(const QString& text) {
    const QTime time = QTime::fromString(text, QStringLiteral("HH:mm"));
    return text.size() == 5 && time.isValid() ? std::optional<QTime>(time) : std::nullopt;
}

}  // namespace

ICalExport::ICalExport(const QTimeZone& zone, const QDateTime& stamp)
    : zone_(zone), local_(stamp), stamp_(stamp) {}

// Whether the zone's name says the events' local times: a zone other
// programs know by it, that places each of them where the system does.
bool ICalExport::zoneNamesLocalTime() const {
    if (!zone_.isValid() || zone_.id() == "UTC" || zone_.id() == "Etc/UTC" ||
        !QTimeZone::isTimeZoneIdAvailable(zone_.id())) {
        return false;
    }
    return std::all_of(events_.begin(), events_.end(), [&](const Event& event) {
        return calendartime::wallMoment(event.start.date(), event.start.time(), zone_) ==
               event.start;
    });
}

// The same entry gets the same UID at every export: its kind, day, time and
// text; entries alike in all of them are told apart by their order.
QString ICalExport::uidFor(const ScheduleEntry& entry) {
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(entry.kind == ScheduleKind::Reminders ? "reminder" : "launch");
    hash.addData(QByteArray::number(entry.julianDay));
    hash.addData(entry.time().toUtf8());
    hash.addData(QByteArrayView("\0", 1));
    hash.addData(entry.text().toUtf8());
    const QString base = QString::fromLatin1(hash.result().toHex().left(32));
    QString uid = base + QStringLiteral("@chronidex");
    for (int n = 2; uids_.contains(uid); ++n) {
        uid = base + QStringLiteral("-%1@chronidex").arg(n);
    }
    uids_.insert(uid);
    return uid;
}

void ICalExport::add(const ScheduleEntry& entry, RepeatRule rule, const QDate& anchor) {
    const QDate day = entry.day();
    const std::optional<QTime> time = clockTime(entry.time());
    const bool reminder = entry.kind == ScheduleKind::Reminders;
    const QString text = entry.textWithNewlines();
    if (!day.isValid() || !time) {
        problems_ << QStringLiteral("%1 \"%2\" at \"%3\" has no day and time of day: not exported.")
                         .arg(reminder ? QStringLiteral("The reminder")
                                       : QStringLiteral("The launch"),
                              text, entry.time());
        return;
    }
    events_ << Event{uidFor(entry), local_.at(day, *time), text.toUtf8(), reminder,
                     reminder ? icalrepeat::rrule(rule, anchor) : QByteArray()};
}

icalcomponent* ICalExport::eventOf(const Event& entry, bool named) const {
    icalcomponent* event = icalcomponent_new(ICAL_VEVENT_COMPONENT);
    icalcomponent_add_property(event, icalproperty_new_uid(entry.uid.toUtf8().constData()));
    icalcomponent_add_property(event, icalproperty_new_dtstamp(utcTime(stamp_)));
    const bool floating = !named && !entry.rrule.isEmpty();
    icalproperty* dtstart =
        icalproperty_new_dtstart(named ? wallTime(entry.start.toTimeZone(zone_))
                                       : (floating ? wallTime(entry.start) : utcTime(entry.start)));
    if (named) {
        icalproperty_add_parameter(dtstart, icalparameter_new_tzid(zone_.id().constData()));
    }
    icalcomponent_add_property(event, dtstart);
    if (!entry.rrule.isEmpty()) {
        icalcomponent_add_property(
            event, icalproperty_new_rrule(icalrecurrencetype_from_string(entry.rrule.constData())));
    }
    icalcomponent_add_property(event, icalproperty_new_summary(entry.summary.constData()));
    if (entry.reminder) {
        icalcomponent* alarm = icalcomponent_new(ICAL_VALARM_COMPONENT);
        icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
        icaltriggertype trigger{};
        trigger.time = icaltime_null_time();
        trigger.duration = icaldurationtype_null_duration();
        icalcomponent_add_property(alarm, icalproperty_new_trigger(trigger));
        icalcomponent_add_property(alarm, icalproperty_new_description(entry.summary.constData()));
        icalcomponent_add_component(event, alarm);
    } else {
        icalproperty* path = icalproperty_new_x(entry.summary.constData());
        icalproperty_set_x_name(path, "X-CHRONIDEX-LAUNCH");
        icalcomponent_add_property(event, path);
    }
    return event;
}

// The zone's definition first, then the events.
QByteArray ICalExport::text() const {
    const bool named = zoneNamesLocalTime();
    icalcomponent* calendar = icalcomponent_new(ICAL_VCALENDAR_COMPONENT);
    icalcomponent_add_property(calendar, icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar, icalproperty_new_prodid("-//Chronidex//Chronidex//EN"));
    if (named && !events_.isEmpty()) {
        const auto [earliest, latest] =
            std::minmax_element(events_.begin(), events_.end(),
                                [](const Event& a, const Event& b) { return a.start < b.start; });
        // Repeating events go on past the last start: the zone's changes of
        // the coming years, for readers that go by the definition alone.
        const bool repeats = std::any_of(events_.begin(), events_.end(),
                                         [](const Event& e) { return !e.rrule.isEmpty(); });
        const QDateTime through =
            repeats ? std::max(latest->start, stamp_).addYears(kRepeatYears) : latest->start;
        icalcomponent_add_component(calendar, zoneDefinition(earliest->start, through));
    }
    for (const Event& event : events_) {
        icalcomponent_add_component(calendar, eventOf(event, named));
    }
    char* text = icalcomponent_as_ical_string_r(calendar);
    QByteArray out(text);
    free(text);
    icalcomponent_free(calendar);
    return out;
}

// The zone over the events' span, from the system's zone data: the offset
// in force a day before the first event, then each change up to a day after
// the last, at the local time it happens, as observances of their own (no
// rules to extrapolate, which readers differ on).
icalcomponent* ICalExport::zoneDefinition(const QDateTime& earliest,
                                          const QDateTime& latest) const {
    icalcomponent* definition = icalcomponent_new(ICAL_VTIMEZONE_COMPONENT);
    icalcomponent_add_property(definition, icalproperty_new_tzid(zone_.id().constData()));
    const auto observance = [&](const QDateTime& at, int from, int to, bool daylight,
                                const QString& name) {
        icalcomponent* part =
            icalcomponent_new(daylight ? ICAL_XDAYLIGHT_COMPONENT : ICAL_XSTANDARD_COMPONENT);
        // The local time of the change, in the offset before it.
        icalcomponent_add_property(part,
                                   icalproperty_new_dtstart(wallTime(at.toOffsetFromUtc(from))));
        icalcomponent_add_property(part, icalproperty_new_tzoffsetfrom(from));
        icalcomponent_add_property(part, icalproperty_new_tzoffsetto(to));
        if (!name.isEmpty()) {
            icalcomponent_add_property(part, icalproperty_new_tzname(name.toUtf8().constData()));
        }
        icalcomponent_add_component(definition, part);
    };
    const QDateTime from = earliest.toTimeZone(zone_).addDays(-1);
    const int offset = zone_.offsetFromUtc(from);
    observance(from, offset, offset, zone_.isDaylightTime(from), zone_.abbreviation(from));
    int before = offset;
    for (const QTimeZone::OffsetData& change : zone_.transitions(from, latest.addDays(1))) {
        observance(change.atUtc, before, change.offsetFromUtc, change.daylightTimeOffset != 0,
                   change.abbreviation);
        before = change.offsetFromUtc;
    }
    return definition;
}
