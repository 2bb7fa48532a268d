#include "scheduler/ScheduleLines.h"

#include <QFileInfo>
#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

#include "scheduler/ScheduleEntryReader.h"
#include "scheduler/ScheduleFiles.h"
#include "scheduler/ScheduleListing.h"
#include "settings/ProgramFolder.h"

namespace {

// What the list sorts on: the day's ten characters (all ASCII) and the time
// padded to five, compared as the line's characters would be.
struct SortKey {
    char day[10];
    char16_t time[5];
    quint32 index;  // in reading order, so equal keys keep it
};

SortKey keyOf(const ScheduleEntry& entry, quint32 index) {
    SortKey key;
    const QByteArray day = ScheduleListing::dateText(entry.day()).toLatin1();
    std::memcpy(key.day, day.constData(), sizeof key.day);
    const QString time = entry.time();
    for (int i = 0; i < 5; ++i) {
        key.time[i] = i < time.size() ? time[i].unicode() : u' ';
    }
    key.index = index;
    return key;
}

bool before(const SortKey& a, const SortKey& b) {
    if (const int c = std::memcmp(a.day, b.day, sizeof a.day)) {
        return c < 0;
    }
    for (int i = 0; i < 5; ++i) {
        if (a.time[i] != b.time[i]) {
            return a.time[i] < b.time[i];
        }
    }
    return a.index < b.index;
}

bool readInto(ScheduleList& entries, const ProgramFolder& folder, ScheduleKind kind) {
    return readScheduleEntries(folder.path(schedule::fileName(kind)), kind,
                               ScheduleFiles::kMaxEntries, entries)
        .complete;
}

qsizetype recordsIn(const ProgramFolder& folder, ScheduleKind kind) {
    const qint64 records =
        QFileInfo(folder.path(schedule::fileName(kind))).size() / schedule::recordSize(kind);
    return qsizetype(qMin<qint64>(records, ScheduleFiles::kMaxEntries));
}

}  // namespace

QString ScheduleLines::text(const ScheduleEntry& entry) {
    // A time text shorter than five characters is padded, so the day and the
    // text keep their columns.
    return entry.time().leftJustified(5, QLatin1Char(' ')) + QStringLiteral("  ") +
           ScheduleListing::dateText(entry.day()) + QStringLiteral("  ") + entry.text();
}

void ScheduleLines::sort(qsizetype count) {
    std::vector<SortKey> keys;
    keys.reserve(size_t(count));
    for (qsizetype i = 0; i < count; ++i) {
        keys.push_back(keyOf(entries_[i], quint32(i)));
    }
    std::sort(keys.begin(), keys.end(), before);
    // The entries move into their places along the cycles of the order, so
    // no second list of them is ever held. A place done is marked in its key.
    constexpr quint32 kDone = std::numeric_limits<quint32>::max();
    for (qsizetype start = 0; start < count; ++start) {
        if (keys[size_t(start)].index == kDone) {
            continue;
        }
        ScheduleEntry first = std::move(entries_[start]);
        qsizetype to = start;
        for (;;) {
            const quint32 from = keys[size_t(to)].index;
            keys[size_t(to)].index = kDone;
            if (from == quint32(start)) {
                entries_[to] = std::move(first);
                break;
            }
            entries_[to] = std::move(entries_[from]);
            to = from;
        }
    }
}

ScheduleLines ScheduleLines::read(const ProgramFolder& folder) {
    ScheduleLines lines;
    // The stable sorts of both parts come to one sort of all the lines read
    // when the launches were read whole, else of the reminders alone.
    // Room for both files at once: growing the list on the way would copy it.
    lines.entries_.reserve(recordsIn(folder, ScheduleKind::Reminders) +
                           recordsIn(folder, ScheduleKind::Launches));
    const bool reminders = readInto(lines.entries_, folder, ScheduleKind::Reminders);
    const qsizetype reminderCount = lines.entries_.size();
    const bool launches = readInto(lines.entries_, folder, ScheduleKind::Launches);
    if (launches) {
        lines.sort(lines.entries_.size());
    } else if (reminders) {
        lines.sort(reminderCount);
    }
    return lines;
}
