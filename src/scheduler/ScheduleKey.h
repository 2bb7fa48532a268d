#pragma once

#include <QByteArray>
#include <QDate>

// What identifies a schedule entry: its day and its stored time text. Entries
// have no identifier of their own, so several may share one key, and a removal
// takes every record of the key.
struct ScheduleKey {
    QDate day;        // the whole-day part of the stored date
    QByteArray time;  // the stored bytes, compared exactly (same length, same bytes)

    static ScheduleKey of(double storedDate, const QByteArray& storedTime);

    // True for a record whose date falls on `day` (any time of day) and whose
    // time text is exactly `time`.
    bool matches(double storedDate, const QByteArray& storedTime) const;

    bool operator==(const ScheduleKey& other) const = default;
};
