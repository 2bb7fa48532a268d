#pragma once

#include "scheduler/ScheduleRecord.h"

// One 272-byte record of "run.dat": the day, the time text and the full path
// of the program to start (short string of 250), then 7 bytes of padding.
class LaunchRecord : public ScheduleRecord<272, 250> {
  public:
    static constexpr int kFileCapacity = 250;

    LaunchRecord() = default;
    // The first 272 bytes; a shorter array is filled up with zero bytes.
    static LaunchRecord fromBytes(const QByteArray& bytes) {
        LaunchRecord rec;
        rec.takeBytes(bytes);
        return rec;
    }

    QByteArray fileBytes() const { return tailBytes(); }
    QString file() const { return cp1251::decode(fileBytes()); }
    // cp1251, cut to 250 bytes
    void setFile(const QString& path) { setTailBytes(cp1251::encode(path)); }
};
