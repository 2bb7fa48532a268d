#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

#include "scheduler/ScheduleKey.h"
#include "scheduler/ScheduleKind.h"

// One entry of a schedule as the due checks walk it: the stored date, the
// time text and the reminder's text or the launch's path.
struct ScheduleEntry {
    double date = 0.0;
    QByteArray timeBytes;  // as stored; the key compares these
    QString time;
    QString text;  // the reminder's text, or the full path of the program to start

    // Builds the entry from one whole record of the kind's file.
    static ScheduleEntry fromRecord(ScheduleKind kind, const QByteArray& record);

    QDate day() const;  // invalid for a date that names no day
    ScheduleKey key() const { return ScheduleKey::of(date, timeBytes); }
};

// A schedule in file order. It is replaced whole by a reload, never edited.
using ScheduleList = QList<ScheduleEntry>;
