#include "scheduler/LaunchRecord.h"

#include "settings/Cp1251.h"
#include "settings/RecordBytes.h"

namespace {
constexpr int kDate = 0;
constexpr int kTime = 8;
constexpr int kFile = 14;
}  // namespace

LaunchRecord::LaunchRecord() : bytes_(kSize, '\0') {}

LaunchRecord LaunchRecord::fromBytes(const QByteArray& bytes) {
    LaunchRecord rec;
    rec.bytes_ = bytes.left(kSize);
    rec.bytes_.resize(kSize, '\0');
    return rec;
}

double LaunchRecord::date() const {
    return record::float64(bytes_, kDate);
}
void LaunchRecord::setDate(double dayCount) {
    record::setFloat64(bytes_, kDate, dayCount);
}

QByteArray LaunchRecord::timeBytes() const {
    return record::shortString(bytes_, kTime, kTimeCapacity);
}
QString LaunchRecord::time() const {
    return cp1251::decode(timeBytes());
}
void LaunchRecord::setTime(const QString& time) {
    record::setShortString(bytes_, kTime, kTimeCapacity, cp1251::encode(time));
}

QByteArray LaunchRecord::fileBytes() const {
    return record::shortString(bytes_, kFile, kFileCapacity);
}
QString LaunchRecord::file() const {
    return cp1251::decode(fileBytes());
}
void LaunchRecord::setFile(const QString& path) {
    record::setShortString(bytes_, kFile, kFileCapacity, cp1251::encode(path));
}

ScheduleKey LaunchRecord::key() const {
    return ScheduleKey::of(date(), timeBytes());
}
