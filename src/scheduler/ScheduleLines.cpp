#include "scheduler/ScheduleLines.h"

#include <algorithm>
#include <cstring>
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
    ScheduleList sorted;
    sorted.reserve(entries_.size());
    for (const SortKey& key : keys) {
        sorted.append(std::move(entries_[key.index]));
    }
    for (qsizetype i = count; i < entries_.size(); ++i) {
        sorted.append(std::move(entries_[i]));
    }
    entries_ = std::move(sorted);
}

ScheduleLines ScheduleLines::read(const ProgramFolder& folder) {
    ScheduleLines lines;
    // The stable sorts of both parts come to one sort of all the lines read
    // when the launches were read whole, else of the reminders alone.
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
