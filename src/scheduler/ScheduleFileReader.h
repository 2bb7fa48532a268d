#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>

#include "scheduler/ScheduleEntry.h"
#include "scheduler/ScheduleKind.h"

// How a schedule file is read: whole fixed-size records in file order, a
// partial record at the end ignored, at most `maxRecords` of them (-1: all),
// which bounds what a damaged or foreign file of enormous size can make the
// caller hold.
struct ScheduleRead {
    // False when the file could not be opened, held no whole record, or a read
    // failed; what was read before stays delivered.
    bool complete = false;
    bool missing = false;  // the file does not exist
};

// `each` sees every whole record, straight from a buffer of many records.
ScheduleRead forEachScheduleRecord(const QString& path, int recordSize, qsizetype maxRecords,
                                   const std::function<void(QByteArrayView)>& each);

// The kind's records as entries appended to `into`. Their texts go into one
// buffer that they all share, so a large schedule holds each text as its
// bytes and nothing more.
ScheduleRead readScheduleEntries(const QString& path, ScheduleKind kind, qsizetype maxRecords,
                                 ScheduleList& into);
