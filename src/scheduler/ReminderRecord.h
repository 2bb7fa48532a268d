#pragma once

#include <QByteArray>
#include <QString>

#include "scheduler/ScheduleKey.h"

// One 168-byte record of "napom.dat": the day (a day-count double), the time
// text (short string of 5) and the reminder text (short string of 150), then
// 3 bytes of padding. The record keeps its bytes as read, so a rewrite of the
// file carries every byte of the records it keeps, padding and unused string
// tails included. A record built here starts as zero bytes.
class ReminderRecord {
  public:
    static constexpr int kSize = 168;
    static constexpr int kTimeCapacity = 5;
    static constexpr int kTextCapacity = 150;

    ReminderRecord();
    // The first 168 bytes; a shorter array is filled up with zero bytes.
    static ReminderRecord fromBytes(const QByteArray& bytes);
    const QByteArray& bytes() const { return bytes_; }

    double date() const;
    void setDate(double dayCount);

    QByteArray timeBytes() const;
    QString time() const;
    void setTime(const QString& time);          // cp1251, cut to 5 bytes
    void setTimeBytes(const QByteArray& time);  // as stored, cut to 5 bytes

    QByteArray textBytes() const;
    // The text as stored; line breaks stay as they are (CR LF, or a lone LF
    // from another writer).
    QString text() const;
    // Line breaks are stored as CR LF, as files from other writers of the
    // format hold them; the cut to 150 bytes applies to the stored form.
    void setText(const QString& text);
    void setTextBytes(const QByteArray& text);  // as stored, cut to 150 bytes

    ScheduleKey key() const;

  private:
    QByteArray bytes_;
};
