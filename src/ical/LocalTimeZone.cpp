#include "ical/LocalTimeZone.h"

#include "ical/ICalTime.h"

LocalTimeZone::LocalTimeZone(const QDateTime& now) {
    const QTimeZone system = QTimeZone::systemTimeZone();
    if (!system.isValid()) {
        return;
    }
    // Summer and winter both: each quarter of the coming year.
    for (int months = 0; months <= 12; months += 3) {
        const QDateTime then = now.toUTC().addMonths(months);
        if (system.offsetFromUtc(then) != then.toLocalTime().offsetFromUtc()) {
            return;
        }
    }
    zone_ = system;
}

QDateTime LocalTimeZone::at(const QDate& day, const QTime& time) const {
    if (zone_.isValid()) {
        return calendartime::wallMoment(day, time, zone_);
    }
    const QDateTime at(day, time, Qt::LocalTime);
    if (at.isValid() || !day.isValid() || !time.isValid()) {
        return at;
    }
    // In the gap of a change forward: the offset of a day earlier.
    const QDateTime wall(day, time, Qt::UTC);
    return wall.addSecs(-wall.addDays(-1).toLocalTime().offsetFromUtc()).toLocalTime();
}

QDateTime LocalTimeZone::of(const QDateTime& moment) const {
    return zone_.isValid() ? moment.toTimeZone(zone_) : moment.toLocalTime();
}
