#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <functional>

// Reads a file of fixed-size records the way the schedule files are read: whole
// records in file order, a partial record at the end ignored.
struct ScheduleRead {
    QList<QByteArray> records;  // every whole record read before a failure
    // False when the file could not be opened, held no whole record, or a read
    // failed; `records` then holds what was read before.
    bool complete = false;
    bool missing = false;  // the file does not exist
};

// `maxRecords` bounds what a damaged or foreign file of enormous size can make
// the caller hold in memory; the records past it are not read.
ScheduleRead readScheduleFile(const QString& path, int recordSize, qsizetype maxRecords = -1);

// The same read without a copy of each record: `each` sees every whole record
// in file order, straight from a buffer of many records. The result's
// `records` stays empty.
ScheduleRead forEachScheduleRecord(const QString& path, int recordSize, qsizetype maxRecords,
                                   const std::function<void(QByteArrayView)>& each);
