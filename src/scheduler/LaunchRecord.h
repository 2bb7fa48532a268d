#pragma once

#include <QByteArray>
#include <QString>

#include "scheduler/ScheduleKey.h"

// One 272-byte record of "run.dat": the day (a day-count double), the time
// text (short string of 5) and the full path of the program to start (short
// string of 250), then 7 bytes of padding. Like ReminderRecord it keeps its
// bytes as read; a record built here starts as zero bytes.
class LaunchRecord {
  public:
    static constexpr int kSize = 272;
    static constexpr int kTimeCapacity = 5;
    static constexpr int kFileCapacity = 250;

    LaunchRecord();
    // The first 272 bytes; a shorter array is filled up with zero bytes.
    static LaunchRecord fromBytes(const QByteArray& bytes);
    const QByteArray& bytes() const { return bytes_; }

    double date() const;
    void setDate(double dayCount);

    QByteArray timeBytes() const;
    QString time() const;
    void setTime(const QString& time);  // cp1251, cut to 5 bytes

    QByteArray fileBytes() const;
    QString file() const;
    void setFile(const QString& path);  // cp1251, cut to 250 bytes

    ScheduleKey key() const;

  private:
    QByteArray bytes_;
};
