#pragma once

#include "FuzzInput.h"
#include "scheduler/ScheduleEntry.h"
#include "scheduler/ScheduleFileReader.h"
#include "scheduler/ScheduleFiles.h"
#include "scheduler/ScheduleKind.h"
#include "scheduler/ScheduleLines.h"
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
    ScheduleList entries;
    readScheduleEntries(path, kind, ScheduleFiles::kMaxEntries, entries);
    fuzzinput::require(entries.size() == qsizetype(size) / recordSize);
    for (const ScheduleEntry& entry : entries) {
        (void)entry.day();
        (void)entry.key();
    }
    const ScheduleLines lines = ScheduleLines::read(folder);
    fuzzinput::require(lines.size() == entries.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        (void)lines.text(i);
    }
    return 0;
}
