#include "scheduler/ScheduleListing.h"

#include <algorithm>

#include "scheduler/ScheduleEntry.h"
#include "scheduler/ScheduleFiles.h"
#include "scheduler/ScheduleReader.h"
#include "settings/ProgramFolder.h"

QString ScheduleListing::dateText(const QDate& day) {
    return day.toString(QStringLiteral("dd.MM.yyyy")).leftJustified(10, QLatin1Char(' '), true);
}

ScheduleLine ScheduleListing::line(ScheduleKind kind, const QByteArray& record) {
    const ScheduleEntry entry = ScheduleEntry::fromRecord(kind, record);
    ScheduleLine line;
    // A time text shorter than five characters is padded, so the day and the
    // text keep their columns and the sort reads the right characters.
    line.text = entry.time.leftJustified(5, QLatin1Char(' ')) + QStringLiteral("  ") +
                dateText(entry.day()) + QStringLiteral("  ") + entry.text;
    line.kind = kind;
    line.key = entry.key();
    return line;
}

// Rounds of adjacent exchanges on a strictly greater key sort stably, so a
// stable sort gives the same order without their quadratic time on a large file.
void ScheduleListing::sort(QList<ScheduleLine>& lines) {
    const auto byPart = [](qsizetype from, qsizetype count) {
        return [from, count](const ScheduleLine& a, const ScheduleLine& b) {
            return QStringView(a.text).mid(from, count) < QStringView(b.text).mid(from, count);
        };
    };
    std::stable_sort(lines.begin(), lines.end(), byPart(0, 5));
    std::stable_sort(lines.begin(), lines.end(), byPart(7, 11));
}

bool ScheduleListing::readInto(QList<ScheduleLine>& lines, const ProgramFolder& folder,
                               ScheduleKind kind) {
    const ScheduleRead read =
        readScheduleFile(folder.path(schedule::fileName(kind)), schedule::recordSize(kind),
                         ScheduleFiles::kMaxEntries);
    for (const QByteArray& rec : read.records) {
        lines.append(line(kind, rec));
    }
    return read.complete;
}

QList<ScheduleLine> ScheduleListing::read(const ProgramFolder& folder) {
    QList<ScheduleLine> lines;
    if (readInto(lines, folder, ScheduleKind::Reminders)) {
        sort(lines);
    }
    if (readInto(lines, folder, ScheduleKind::Launches)) {
        sort(lines);
    }
    return lines;
}
