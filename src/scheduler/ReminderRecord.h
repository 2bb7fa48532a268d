#pragma once

#include "scheduler/ScheduleRecord.h"

// One 168-byte record of "napom.dat": the day, the time text and the
// reminder text (short string of 150), then 3 bytes of padding.
class ReminderRecord : public ScheduleRecord<168, 150> {
  public:
    static constexpr int kTextCapacity = 150;

    ReminderRecord() = default;
    // The first 168 bytes; a shorter array is filled up with zero bytes.
    static ReminderRecord fromBytes(const QByteArray& bytes);

    QByteArray textBytes() const { return tailBytes(); }
    // The text as stored; line breaks stay as they are (CR LF, or a lone LF
    // from another writer).
    QString text() const { return cp1251::decode(textBytes()); }
    // Line breaks are stored as CR LF, as files from other writers of the
    // format hold them; the cut to 150 bytes applies to the stored form.
    void setText(const QString& text);
    // The text's stored bytes as they are, cut to 150.
    void setTextBytes(QByteArrayView bytes) { setTailBytes(bytes.toByteArray()); }
};
