#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDate>
#include <QList>
#include <QString>
#include <limits>

#include "scheduler/ScheduleKey.h"
#include "scheduler/ScheduleKind.h"

// One entry of a schedule as the due checks walk it and the list shows it:
// the day and the minutes it falls due as numbers, worked out once when the
// record is read, the stored time text (its five bytes at most, kept in
// place) and the reminder's text or the launch's path. The text stays in its
// stored code page 1251 bytes, half the size of a QString and without a block
// of its own: the entries read from one file share one buffer of texts, and
// a text is decoded only when it is shown or used.
struct ScheduleEntry {
    // The Julian day the stored date names, or kNoDay. kNoDay lies before every
    // day, as an invalid QDate does, so such an entry is always overdue.
    static constexpr qint64 kNoDay = std::numeric_limits<qint64>::min();
    static constexpr qint16 kNever = -1;

    qint64 julianDay = kNoDay;
    quint32 textOffset = 0;  // where the text's bytes begin in textStore
    // The minute of the day the clock's "HH:mm" equals the stored time, or
    // kNever for a time text in any other form.
    qint16 dueMinute = kNever;
    // The first minute of the day whose "HH:mm" is greater than the stored
    // time text byte for byte; 1440 when none is. From then on the entry is
    // overdue on its day.
    qint16 overdueFrom = 0;
    ScheduleKind kind = ScheduleKind::Reminders;
    quint8 timeLength = 0;
    char timeStore[5] = {};
    quint8 textLength = 0;
    // Holds the text's bytes, usually beside those of the other entries of its file.
    QByteArray textStore;

    // Builds the entry from one whole record of the kind's file, with its
    // text in a buffer of its own.
    static ScheduleEntry fromRecord(ScheduleKind kind, QByteArrayView record);
    // The same, with the text appended to `texts`; the caller hands the
    // entry `texts` as its textStore once every text is in.
    static ScheduleEntry fromRecord(ScheduleKind kind, QByteArrayView record, QByteArray& texts);

    // The reminder's text, or the full path of the program to start: as
    // stored, and decoded.
    QByteArrayView textBytes() const {
        return QByteArrayView(textStore).sliced(textOffset, textLength);
    }
    QString text() const;
    // The text as other programs take it: a line break stored as CR LF is "\n".
    QString textWithNewlines() const;

    QByteArrayView timeBytes() const { return {timeStore, timeLength}; }  // as stored
    QString time() const;  // the stored time, decoded
    QDate day() const;     // invalid for a date that names no day
    ScheduleKey key() const { return {day(), timeBytes().toByteArray()}; }
    bool matches(const ScheduleKey& key) const;
    // The same entry as the user sees it: kind, day, time text and text or
    // path, byte for byte; what the reader ignores (a date's fraction,
    // padding) does not count.
    bool sameAs(const ScheduleEntry& other) const;
    // Whether a whole record of the entry's kind reads as this entry.
    bool readsAs(QByteArrayView record) const;

    // The Julian day (or kNoDay) of a key's day, and whether one whole record
    // of either kind is of the key, read straight from its bytes.
    static qint64 dayNumber(const QDate& day) { return day.isValid() ? day.toJulianDay() : kNoDay; }
    static bool recordMatches(QByteArrayView record, qint64 day, QByteArrayView time);
    // The minute of the day whose "HH:mm" is exactly `time`, or kNever.
    static qint16 minuteOf(QByteArrayView time);
};

// A schedule in file order. It is replaced whole by a reload, never edited.
using ScheduleList = QList<ScheduleEntry>;
