#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTimeZone>

#include "ical/LocalTimeZone.h"
#include "scheduler/RepeatRule.h"
#include "scheduler/ScheduleEntry.h"

struct icalcomponent_impl;

// The schedule as an iCalendar file (RFC 5545), written by libical so that
// other calendar programs read it: a reminder is an event at its day and
// time, its text the summary, with a display alarm at the start; a launch is
// an event whose path is in a property of this program's own
// (X-CHRONIDEX-LAUNCH), so that no other program acts on it. Times are the
// clock's local times: in its zone by its IANA name, with the zone's
// definition over the events' span made from the system's zone data, where
// the system's local time has such a name and keeps to it; else (UTC, a
// POSIX TZ rule, a zone file copied to /etc/localtime) in UTC, which every
// reader places right.
class ICalExport {
  public:
    // How far ahead a zone definition goes for repeating events.
    static constexpr int kRepeatYears = 10;

    // `zone` the system's as Qt names it ("Europe/Moscow", or one without a
    // usable name); `stamp` the moment of the export.
    ICalExport(const QTimeZone& zone, const QDateTime& stamp);

    // Adds the entry as an event. One without a real day or an HH:MM time
    // names no moment: it gets a line in problems() instead. A repeating
    // reminder (its rule anchored on `anchor`) gets an RRULE, and is written
    // in the local wall-clock time it keeps: in the named zone, else
    // floating, never in UTC, whose occurrences would drift by the summer
    // hour.
    void add(const ScheduleEntry& entry, RepeatRule rule = RepeatRule::Never,
             const QDate& anchor = QDate());

    // The calendar, lines folded and ended with CR LF.
    QByteArray text() const;
    const QStringList& problems() const { return problems_; }

  private:
    struct Event {
        QString uid;
        QDateTime start;  // local time
        QByteArray summary;
        bool reminder;
        QByteArray rrule;  // empty for one that does not repeat
    };

    QString uidFor(const ScheduleEntry& entry);
    bool zoneNamesLocalTime() const;
    icalcomponent_impl* eventOf(const Event& event, bool named) const;
    icalcomponent_impl* zoneDefinition(const QDateTime& earliest, const QDateTime& latest) const;

    QTimeZone zone_;
    LocalTimeZone local_;
    QDateTime stamp_;
    QList<Event> events_;
    QSet<QString> uids_;
    QStringList problems_;
};
