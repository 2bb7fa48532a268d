#pragma once

#include <QString>

#include "scheduler/ScheduleEntry.h"
#include "scheduler/ScheduleKind.h"
#include "scheduler/ScheduleReader.h"

// Reads the kind's schedule file into entries appended to `into`, at most
// `maxRecords` of them. Their texts go into one buffer that they all share,
// so a large schedule holds each text as its bytes and nothing more. The
// result tells the read as forEachScheduleRecord does; entries read before a
// failure stay in `into`.
ScheduleRead readScheduleEntries(const QString& path, ScheduleKind kind, qsizetype maxRecords,
                                 ScheduleList& into);
