#include "scheduler/ScheduleLines.h"

#include "scheduler/RepeatFile.h"

#include <QFileInfo>
#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

#include "scheduler/ScheduleFileReader.h"
#include "scheduler/ScheduleFiles.h"
#include "settings/Cp1251.h"
#include "settings/ProgramFolder.h"

namespace {

// What the list sorts on: the day's ten characters (all ASCII) and the time
// padded to five, compared as the line's characters would be. They are packed
// high character first into whole numbers, so that comparing the numbers
// compares the characters in turn: no text is made for a key, and a
// comparison takes three of the numbers at most.
struct SortKey {
    quint64 dayHead;   // the day's first eight characters, a byte each
    quint64 dayTail;   // its last two, a byte each, then the time's first three
    quint32 timeTail;  // the time's last two characters
    quint32 index;     // in reading order, so equal keys keep it
};

void dayChars(const ScheduleEntry& entry, char (&out)[10]) {
    const QDate day = entry.day();
    int y = 0;
    int m = 0;
    int d = 0;
    day.getDate(&y, &m, &d);
    if (y < 1 || y > 9999) {
        // Rare: the text the line shows, as it is made.
        const QByteArray text = ScheduleLines::dateText(day).toLatin1();
        std::memcpy(out, text.constData(), sizeof out);
        return;
    }
    const char text[10] = {char('0' + d / 10),   char('0' + d % 10),       '.',
                           char('0' + m / 10),   char('0' + m % 10),       '.',
                           char('0' + y / 1000), char('0' + y / 100 % 10), char('0' + y / 10 % 10),
                           char('0' + y % 10)};
    std::memcpy(out, text, sizeof out);
}

SortKey keyOf(const ScheduleEntry& entry, quint32 index) {
    char day[10];
    dayChars(entry, day);
    quint64 head = 0;
    for (int i = 0; i < 8; ++i) {
        head = head << 8 | static_cast<unsigned char>(day[i]);
    }
    const QByteArrayView time = entry.timeBytes();
    char16_t t[5];
    for (int i = 0; i < 5; ++i) {
        t[i] = i < time.size() ? cp1251::decodeByte(time[i]) : u' ';
    }
    quint64 tail = static_cast<unsigned char>(day[8]);
    tail = tail << 8 | static_cast<unsigned char>(day[9]);
    for (int i = 0; i < 3; ++i) {
        tail = tail << 16 | t[i];
    }
    return {head, tail, quint32(t[3]) << 16 | t[4], index};
}

bool before(const SortKey& a, const SortKey& b) {
    if (a.dayHead != b.dayHead) {
        return a.dayHead < b.dayHead;
    }
    if (a.dayTail != b.dayTail) {
        return a.dayTail < b.dayTail;
    }
    if (a.timeTail != b.timeTail) {
        return a.timeTail < b.timeTail;
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

QString ScheduleLines::dateText(const QDate& day) {
    int y = 0;
    int m = 0;
    int d = 0;
    day.getDate(&y, &m, &d);
    if (y < 1 || y > 9999) {
        // No day, a year before Christ or past 9999: as Qt writes it, cut or padded.
        return day.toString(QStringLiteral("dd.MM.yyyy")).leftJustified(10, QLatin1Char(' '), true);
    }
    const char16_t text[10] = {
        char16_t(u'0' + d / 10),   char16_t(u'0' + d % 10),       u'.',
        char16_t(u'0' + m / 10),   char16_t(u'0' + m % 10),       u'.',
        char16_t(u'0' + y / 1000), char16_t(u'0' + y / 100 % 10), char16_t(u'0' + y / 10 % 10),
        char16_t(u'0' + y % 10)};
    return QString(reinterpret_cast<const QChar*>(text), 10);
}

QString ScheduleLines::text(const ScheduleEntry& entry) {
    // A time text shorter than five characters is padded, so the day and the
    // text keep their columns.
    return entry.time().leftJustified(5, QLatin1Char(' ')) + QStringLiteral("  ") +
           ScheduleLines::dateText(entry.day()) + QStringLiteral("  ") + entry.text();
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
    lines.matchRules(folder);
    return lines;
}

void ScheduleLines::matchRules(const ProgramFolder& folder) {
    const RepeatFile::Read read = RepeatFile(folder).read();
    if (read.entries.isEmpty()) {
        return;
    }
    const RepeatMatch match(entries_, read.entries);
    rules_.fill(quint8(RepeatRule::Never), entries_.size());
    for (qsizetype i = 0; i < entries_.size(); ++i) {
        if (const std::optional<RepeatEntry> rule = match.ruleOf(i)) {
            rules_[i] = quint8(rule->rule);
        }
    }
}
