#include "scheduler/ScheduleEntry.h"

#include <QtEndian>
#include <cmath>
#include <cstring>

#include "settings/Cp1251.h"

namespace {
constexpr int kDateOffset = 0;
constexpr int kTimeOffset = 8;
constexpr int kTextOffset = 14;
constexpr double kDayLimit = 3.0e6;  // as daycount::toDate: about 8000 years either way

// The Julian day of 30 December 1899, day 0 of the stored dates.
const qint64 kEpochDay = QDate(1899, 12, 30).toJulianDay();

qint64 dayOf(QByteArrayView record) {
    const quint64 bits = qFromLittleEndian<quint64>(record.data() + kDateOffset);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    if (!std::isfinite(value) || std::fabs(value) > kDayLimit) {
        return ScheduleEntry::kNoDay;
    }
    return kEpochDay + qint64(std::trunc(value));
}

// A short string's bytes: a length byte, then at most `capacity` bytes.
QByteArrayView shortString(QByteArrayView record, int offset, int capacity) {
    const int length = qMin(int(static_cast<unsigned char>(record[offset])), capacity);
    return QByteArrayView(record.data() + offset + 1, length);
}

// A reminder's text, or a launch's path.
int textCapacity(ScheduleKind kind) {
    return kind == ScheduleKind::Reminders ? 150 : 250;
}

int digit(char c) {
    return c >= '0' && c <= '9' ? c - '0' : -1;
}

}  // namespace

qint16 ScheduleEntry::minuteOf(QByteArrayView time) {
    if (time.size() != 5 || time[2] != ':') {
        return ScheduleEntry::kNever;
    }
    const int h1 = digit(time[0]), h2 = digit(time[1]), m1 = digit(time[3]), m2 = digit(time[4]);
    if (h1 < 0 || h2 < 0 || m1 < 0 || m2 < 0 || h1 * 10 + h2 > 23 || m1 > 5) {
        return ScheduleEntry::kNever;
    }
    return qint16((h1 * 10 + h2) * 60 + m1 * 10 + m2);
}

namespace {

// "HH:mm" texts sort as their minutes do, so the minutes whose text is
// greater than `time` are all those from the first one on: a binary search.
qint16 overdueFromOf(QByteArrayView time) {
    int low = 0;
    int high = 1440;
    while (low < high) {
        const int mid = (low + high) / 2;
        char text[5] = {char('0' + mid / 600), char('0' + mid / 60 % 10), ':',
                        char('0' + mid % 60 / 10), char('0' + mid % 10)};
        if (time < QByteArrayView(text, 5)) {
            high = mid;
        } else {
            low = mid + 1;
        }
    }
    return qint16(low);
}
}  // namespace

ScheduleEntry ScheduleEntry::fromRecord(ScheduleKind kind, QByteArrayView record) {
    QByteArray texts;
    ScheduleEntry entry = fromRecord(kind, record, texts);
    entry.textStore = texts;
    return entry;
}

ScheduleEntry ScheduleEntry::fromRecord(ScheduleKind kind, QByteArrayView record,
                                        QByteArray& texts) {
    ScheduleEntry entry;
    entry.kind = kind;
    if (record.size() < schedule::recordSize(kind)) {
        return entry;  // never given by the readers, which pass whole records
    }
    entry.julianDay = dayOf(record);
    const QByteArrayView time = shortString(record, kTimeOffset, 5);
    entry.timeLength = quint8(time.size());
    std::memcpy(entry.timeStore, time.data(), size_t(time.size()));
    entry.dueMinute = minuteOf(time);
    entry.overdueFrom =
        entry.dueMinute != kNever ? qint16(entry.dueMinute + 1) : overdueFromOf(time);
    const QByteArrayView text = shortString(record, kTextOffset, textCapacity(kind));
    entry.textOffset = quint32(texts.size());
    entry.textLength = quint8(text.size());
    texts.append(text);
    return entry;
}

QString ScheduleEntry::text() const {
    return cp1251::decode(textBytes());
}

QString ScheduleEntry::textWithNewlines() const {
    QString text = this->text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

QString ScheduleEntry::time() const {
    return cp1251::decode(timeBytes());
}

QDate ScheduleEntry::day() const {
    return julianDay == kNoDay ? QDate() : QDate::fromJulianDay(julianDay);
}

bool ScheduleEntry::matches(const ScheduleKey& key) const {
    return day() == key.day && timeBytes() == key.time;
}

bool ScheduleEntry::sameAs(const ScheduleEntry& other) const {
    return kind == other.kind && julianDay == other.julianDay && timeBytes() == other.timeBytes() &&
           textBytes() == other.textBytes();
}

bool ScheduleEntry::readsAs(QByteArrayView record) const {
    if (record.size() < schedule::recordSize(kind)) {
        return false;
    }
    return dayOf(record) == julianDay && shortString(record, kTimeOffset, 5) == timeBytes() &&
           shortString(record, kTextOffset, textCapacity(kind)) == textBytes();
}

bool ScheduleEntry::recordMatches(QByteArrayView record, qint64 day, QByteArrayView time) {
    return dayOf(record) == day && shortString(record, kTimeOffset, 5) == time;
}
