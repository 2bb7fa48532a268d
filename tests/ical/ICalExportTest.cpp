#include <gtest/gtest.h>

#include <libical/ical.h>

#include <QTimeZone>
#include <limits>
#include <memory>

#include "TempFolder.h"
#include "ZoneGuard.h"
#include "ical/ICalExport.h"
#include "scheduler/LaunchRecord.h"
#include "scheduler/ReminderRecord.h"
#include "settings/DayCount.h"

// The export read back by libical's own parser: what a calendar program gets.
namespace {

ScheduleEntry reminder(const QDate& day, const char* time, const QString& text) {
    ReminderRecord rec;
    rec.setDate(day.isValid() ? daycount::fromDate(day) : std::numeric_limits<double>::quiet_NaN());
    rec.setTime(QString::fromLatin1(time));
    rec.setText(text);
    return ScheduleEntry::fromRecord(ScheduleKind::Reminders, rec.bytes());
}

ScheduleEntry launch(const QDate& day, const char* time, const QString& path) {
    LaunchRecord rec;
    rec.setDate(daycount::fromDate(day));
    rec.setTime(QString::fromLatin1(time));
    rec.setFile(path);
    return ScheduleEntry::fromRecord(ScheduleKind::Launches, rec.bytes());
}

struct Parsed {
    std::unique_ptr<icalcomponent, void (*)(icalcomponent*)> calendar{nullptr, icalcomponent_free};
    QList<icalcomponent*> events;
};

Parsed parse(const QByteArray& text) {
    Parsed p;
    p.calendar.reset(icalparser_parse_string(text.constData()));
    for (icalcomponent* e =
             icalcomponent_get_first_component(p.calendar.get(), ICAL_VEVENT_COMPONENT);
         e; e = icalcomponent_get_next_component(p.calendar.get(), ICAL_VEVENT_COMPONENT)) {
        p.events << e;
    }
    return p;
}

QString property(icalcomponent* c, icalproperty_kind kind) {
    icalproperty* p = icalcomponent_get_first_property(c, kind);
    return p ? QString::fromUtf8(icalproperty_get_value_as_string(p)) : QString();
}

// The event's start as UTC, through the zone definition the file carries.
QDateTime startUtc(const Parsed& p, icalcomponent* event) {
    icaltimetype start = icalcomponent_get_dtstart(event);
    icalproperty* dtstart = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
    icalparameter* tzid = icalproperty_get_first_parameter(dtstart, ICAL_TZID_PARAMETER);
    if (tzid) {
        icaltimezone* zone =
            icalcomponent_get_timezone(p.calendar.get(), icalparameter_get_tzid(tzid));
        EXPECT_NE(zone, nullptr);
        start = icaltime_convert_to_zone(start, zone);
        start = icaltime_convert_to_zone(start, icaltimezone_get_utc_timezone());
    }
    return QDateTime(QDate(start.year, start.month, start.day),
                     QTime(start.hour, start.minute, start.second), QTimeZone::utc());
}

}  // namespace

TEST(ICalExport, EventsAtTheirLocalTimesWithAlarmsForRemindersOnly) {
    const QDateTime stamp(QDate(2026, 12, 9), QTime(12, 0), QTimeZone::utc());
    const QList<ScheduleEntry> entries = {
        reminder(QDate(2026, 12, 24), "10:30", QStringLiteral("Купить ёлку,\r\nпотом; маме")),
        reminder(QDate(2027, 6, 20), "09:00", QStringLiteral("Лето")),
        launch(QDate(2026, 12, 24), "08:00", QStringLiteral("/usr/bin/backup")),
        reminder(QDate(), "10:00", QStringLiteral("без дня")),
        reminder(QDate(2026, 12, 24), "7:5", QStringLiteral("время не то")),
        reminder(QDate(2027, 6, 20), "09:00", QStringLiteral("Лето")),  // the same again
    };
    struct Case {
        QByteArray zone;        // the system's, as TZ names it
        QStringList utcStarts;  // of the events in order, in UTC
        bool named;             // the times local, in the zone by its name
    };
    // Local time without a name that other programs know (a POSIX rule, a
    // zone file copied to /etc/localtime) goes out in UTC.
    const TempFolder folder;
    const Case cases[] = {
        {"Europe/Paris",
         {"2026-12-24 09:30", "2027-06-20 07:00", "2026-12-24 07:00", "2027-06-20 07:00"},
         true},
        {"UTC",
         {"2026-12-24 10:30", "2027-06-20 09:00", "2026-12-24 08:00", "2027-06-20 09:00"},
         false},
        {"CET-1CEST",
         {"2026-12-24 09:30", "2027-06-20 07:00", "2026-12-24 07:00", "2027-06-20 07:00"},
         false},
        {copiedZone(folder.root(), "Asia/Tokyo"),
         {"2026-12-24 01:30", "2027-06-20 00:00", "2026-12-23 23:00", "2027-06-20 00:00"},
         false},
    };
    QStringList firstUids;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.zone.toStdString());
        const ZoneGuard zone(c.zone.constData());
        ICalExport calendar(QTimeZone::systemTimeZone(), stamp);
        for (const ScheduleEntry& entry : entries) {
            calendar.add(entry);
        }
        EXPECT_EQ(calendar.problems().size(), 2);
        const Parsed p = parse(calendar.text());
        ASSERT_TRUE(p.calendar);
        ASSERT_EQ(p.events.size(), 4);
        QStringList starts;
        QStringList uids;
        for (icalcomponent* e : p.events) {
            starts << startUtc(p, e).toString(QStringLiteral("yyyy-MM-dd HH:mm"));
            uids << property(e, ICAL_UID_PROPERTY);
        }
        EXPECT_EQ(starts, c.utcStarts);
        icalproperty* dtstart =
            icalcomponent_get_first_property(p.events[0], ICAL_DTSTART_PROPERTY);
        EXPECT_EQ(icalproperty_get_first_parameter(dtstart, ICAL_TZID_PARAMETER) != nullptr,
                  c.named);
        EXPECT_EQ(QSet<QString>(uids.begin(), uids.end()).size(), 4);  // the twins told apart
        if (firstUids.isEmpty()) {
            firstUids = uids;
        }
        EXPECT_EQ(uids, firstUids);  // the same entries, the same UIDs

        EXPECT_EQ(QString::fromUtf8(icalcomponent_get_summary(p.events[0])),
                  QStringLiteral("Купить ёлку,\nпотом; маме"));
        icalcomponent* alarm =
            icalcomponent_get_first_component(p.events[0], ICAL_VALARM_COMPONENT);
        ASSERT_NE(alarm, nullptr);
        EXPECT_EQ(property(alarm, ICAL_ACTION_PROPERTY), QStringLiteral("DISPLAY"));
        EXPECT_EQ(property(alarm, ICAL_TRIGGER_PROPERTY), QStringLiteral("PT0S"));
        EXPECT_EQ(icalcomponent_get_first_component(p.events[2], ICAL_VALARM_COMPONENT), nullptr);
        EXPECT_EQ(property(p.events[2], ICAL_X_PROPERTY), QStringLiteral("/usr/bin/backup"));
    }
}
