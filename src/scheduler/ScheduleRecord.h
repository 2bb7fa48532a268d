#pragma once

#include <QByteArray>
#include <QString>

#include "scheduler/ScheduleKey.h"
#include "settings/Cp1251.h"
#include "settings/RecordBytes.h"

// The shape the records of both schedule files share: the day (a day-count
// double) at 0, the time text (short string of 5) at 8, and one short string
// of `TailCapacity` at 14, padded with zero bytes to `Size`. A record keeps
// its bytes as read, so a rewrite of the file carries every byte of the
// records it keeps, padding and unused string tails included. A record built
// here starts as zero bytes.
template <int Size, int TailCapacity>
class ScheduleRecord {
  public:
    static constexpr int kSize = Size;
    static constexpr int kTimeCapacity = 5;

    const QByteArray& bytes() const { return bytes_; }

    double date() const { return record::float64(bytes_, kDate); }
    void setDate(double dayCount) { record::setFloat64(bytes_, kDate, dayCount); }

    QByteArray timeBytes() const { return record::shortString(bytes_, kTime, kTimeCapacity); }
    QString time() const { return cp1251::decode(timeBytes()); }
    // cp1251, cut to 5 bytes
    void setTime(const QString& time) {
        record::setShortString(bytes_, kTime, kTimeCapacity, cp1251::encode(time));
    }
    // As stored, cut to 5 bytes.
    void setTimeBytes(const QByteArray& time) {
        record::setShortString(bytes_, kTime, kTimeCapacity, time);
    }

    ScheduleKey key() const { return ScheduleKey::of(date(), timeBytes()); }

  protected:
    ScheduleRecord() : bytes_(Size, '\0') {}

    // The first `Size` bytes; a shorter array is filled up with zero bytes.
    void takeBytes(const QByteArray& bytes) {
        bytes_ = bytes.left(Size);
        bytes_.resize(Size, '\0');
    }
    QByteArray tailBytes() const { return record::shortString(bytes_, kTail, TailCapacity); }
    void setTailBytes(const QByteArray& encoded) {
        record::setShortString(bytes_, kTail, TailCapacity, encoded);
    }

  private:
    static constexpr int kDate = 0;
    static constexpr int kTime = 8;
    static constexpr int kTail = 14;

    QByteArray bytes_;
};
