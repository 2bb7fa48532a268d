#pragma once

#include <QString>

#include "settings/Expected.h"

// The hour and minute fields of the schedule editors. The due checks compare
// the stored time as text with the clock's "hh:nn", so the editors store two
// digits each and refuse what could never match.
class ScheduleTime {
  public:
    // The time as stored, "hh:nn". A field holds a whole number (digits
    // only, spaces around ignored); the hour 0 to 23, the minute 0 to 59.
    // "7" and "5" give "07:05".
    static Expected<QString> check(const QString& hour, const QString& minute);

    // What an arrow click puts into a field: the field's number moved by
    // `delta` and held within min..max, as two digits. A field without a
    // number steps from `min`.
    static QString step(const QString& text, int delta, int min, int max);

    static QString twoDigits(int value);

    // The whole number a field holds (digits only, spaces around ignored).
    static bool number(const QString& text, int* value);
};
