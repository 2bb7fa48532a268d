#include "scheduler/ReminderRecord.h"

#include "settings/Cp1251.h"
#include "settings/RecordBytes.h"

namespace {
constexpr int kDate = 0;
constexpr int kTime = 8;
constexpr int kText = 14;

// Every LF becomes CR LF; a CR LF pair stays one line break.
QString withCrLf(const QString& text) {
    QString out;
    out.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\n') && (i == 0 || text[i - 1] != QLatin1Char('\r'))) {
            out += QLatin1Char('\r');
        }
        out += c;
    }
    return out;
}
}  // namespace

ReminderRecord::ReminderRecord() : bytes_(kSize, '\0') {}

ReminderRecord ReminderRecord::fromBytes(const QByteArray& bytes) {
    ReminderRecord rec;
    rec.bytes_ = bytes.left(kSize);
    rec.bytes_.resize(kSize, '\0');
    return rec;
}

double ReminderRecord::date() const {
    return record::float64(bytes_, kDate);
}
void ReminderRecord::setDate(double dayCount) {
    record::setFloat64(bytes_, kDate, dayCount);
}

QByteArray ReminderRecord::timeBytes() const {
    return record::shortString(bytes_, kTime, kTimeCapacity);
}
QString ReminderRecord::time() const {
    return cp1251::decode(timeBytes());
}
void ReminderRecord::setTime(const QString& time) {
    record::setShortString(bytes_, kTime, kTimeCapacity, cp1251::encode(time));
}
void ReminderRecord::setTimeBytes(const QByteArray& time) {
    record::setShortString(bytes_, kTime, kTimeCapacity, time);
}

QByteArray ReminderRecord::textBytes() const {
    return record::shortString(bytes_, kText, kTextCapacity);
}
QString ReminderRecord::text() const {
    return cp1251::decode(textBytes());
}
void ReminderRecord::setText(const QString& text) {
    record::setShortString(bytes_, kText, kTextCapacity, cp1251::encode(withCrLf(text)));
}
void ReminderRecord::setTextBytes(const QByteArray& text) {
    record::setShortString(bytes_, kText, kTextCapacity, text);
}

ScheduleKey ReminderRecord::key() const {
    return ScheduleKey::of(date(), timeBytes());
}
