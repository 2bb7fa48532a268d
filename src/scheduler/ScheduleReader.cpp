#include "scheduler/ScheduleReader.h"

#include <QFile>
#include <QFileInfo>

ScheduleRead readScheduleFile(const QString& path, int recordSize, qsizetype maxRecords) {
    ScheduleRead result;
    if (recordSize <= 0) {
        return result;
    }
    QFile file(path);
    if (!file.exists()) {
        result.missing = true;
        return result;
    }
    // A folder, pipe or device under the file's name is no schedule; opening a
    // pipe would wait for a writer.
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        return result;
    }
    // The first read comes before any test for the end, so a file without one
    // whole record counts as a failed read.
    do {
        const QByteArray rec = file.read(recordSize);
        if (rec.size() != recordSize) {
            return result;
        }
        result.records.append(rec);
        if (maxRecords >= 0 && result.records.size() >= maxRecords) {
            break;
        }
    } while (file.bytesAvailable() >= recordSize);
    result.complete = true;
    return result;
}
