#pragma once

#include <QDateTime>
#include <QTimeZone>

// The system's local time, the clock's, as the calendar import and export
// place times in it: through the system's zone as Qt names it, whose data
// it reads once, where that agrees with the C library's local time over the
// coming year; else through the C library a time at a time, whatever TZ or
// /etc/localtime hold (a POSIX rule such as CET-1CEST, a zone file copied
// there, which Qt may not name at all).
class LocalTimeZone {
  public:
    explicit LocalTimeZone(const QDateTime& now);

    // The moment of a wall time. A time that a change to summer time skips
    // is read with the offset before the change, as RFC 5545 says: 02:30
    // on that night is 03:30.
    QDateTime at(const QDate& day, const QTime& time) const;
    // The moment in local time.
    QDateTime of(const QDateTime& moment) const;
    // The zone it goes through; invalid where it goes through the C library.
    const QTimeZone& zone() const { return zone_; }

  private:
    QTimeZone zone_;
};
