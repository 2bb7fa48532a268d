#pragma once

#include "FuzzInput.h"
#include "scheduler/ScheduleEntry.h"
#include "scheduler/ScheduleFiles.h"
#include "scheduler/ScheduleKind.h"
#include "scheduler/ScheduleListing.h"
#include "scheduler/ScheduleReader.h"
#include "settings/ProgramFolder.h"

// One schedule file as the due checks and the other-settings dialog's list
// take it: the records, each record's entry and key, and the sorted lines.
inline int fuzzScheduleFile(ScheduleKind kind, const uint8_t* data, size_t size) {
    const ProgramFolder folder(fuzzinput::folder().path());
    const ScheduleKind other =
        kind == ScheduleKind::Reminders ? ScheduleKind::Launches : ScheduleKind::Reminders;
    QFile::remove(folder.path(schedule::fileName(other)));
    const QString path = fuzzinput::write(
        QStringLiteral("system/") + schedule::fileName(kind).section(QLatin1Char('\\'), -1), data,
        size);
    const int recordSize = schedule::recordSize(kind);
    const ScheduleRead read = readScheduleFile(path, recordSize, ScheduleFiles::kMaxEntries);
    fuzzinput::require(read.records.size() == qsizetype(size) / recordSize);
    for (const QByteArray& record : read.records) {
        const ScheduleEntry entry = ScheduleEntry::fromRecord(kind, record);
        (void)entry.day();
        (void)entry.key();
    }
    const QList<ScheduleLine> lines = ScheduleListing::read(folder);
    fuzzinput::require(lines.size() == read.records.size());
    return 0;
}
