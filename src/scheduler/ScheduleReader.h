#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

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
