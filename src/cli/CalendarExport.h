#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTimeZone>

#include "scheduler/ScheduleEntry.h"

struct icalcomponent_impl;

// The schedule as an iCalendar file (RFC 5545), written by libical so that
// other calendar programs read it: a reminder is an event at its day and
// time, its text the summary, with a display alarm at the start; a launch is
// an event whose path is in a property of this program's own
// (X-CHRONIDEX-LAUNCH), so that no other program acts on it. Times are local,
// in the clock's zone by its IANA name, with the zone's definition over the
// events' span made from the system's zone data; in UTC they are UTC.
class CalendarExport {
  public:
    // `zone` the clock's ("Europe/Moscow"); `stamp` the moment of the export.
    CalendarExport(const QTimeZone& zone, const QDateTime& stamp);
    ~CalendarExport();
    CalendarExport(const CalendarExport&) = delete;
    CalendarExport& operator=(const CalendarExport&) = delete;

    // Adds the entry as an event. One without a real day or an HH:MM time
    // names no moment: it gets a line in problems() instead.
    void add(const ScheduleEntry& entry);

    // The calendar, lines folded and ended with CR LF.
    QByteArray text() const;
    const QStringList& problems() const { return problems_; }

  private:
    QString uidFor(const ScheduleEntry& entry);

    icalcomponent_impl* events_;  // a calendar holding the events alone
    icalcomponent_impl* zoneDefinition() const;
    bool inUtc() const;

    QTimeZone zone_;
    QDateTime stamp_;
    QDateTime earliest_;  // of the events added
    QDateTime latest_;
    QSet<QString> uids_;
    QStringList problems_;
};
