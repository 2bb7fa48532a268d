#pragma once

#include <QDate>
#include <QDateTime>

// Dates in the schedule files are days since 30 December 1899 as a double;
// only the whole-day part names the day, a fraction is a time of day.
namespace daycount {

// The day a stored value names; invalid for NaN, infinities and values far
// outside the calendar (random bytes read as a date).
QDate toDate(double value);

double fromDate(const QDate& date);

// Whole days plus the time of day as a fraction, as a date picker's value is kept.
double fromDateTime(const QDateTime& moment);

}  // namespace daycount
