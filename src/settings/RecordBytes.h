#pragma once

#include <QByteArray>
#include <QtGlobal>

// Field access for the fixed-size binary records (settings, reminders,
// launches): little-endian numbers, byte booleans and short strings (a length
// byte followed by `capacity` character bytes). Readers never look outside the
// record: a length byte above the capacity reads the whole capacity.
namespace record {

QByteArray shortString(const QByteArray& rec, int offset, int capacity);
// Stores at most `capacity` bytes of value; the unused bytes keep what they held.
void setShortString(QByteArray& rec, int offset, int capacity, QByteArrayView value);

qint32 int32(const QByteArray& rec, int offset);
void setInt32(QByteArray& rec, int offset, qint32 value);

double float64(const QByteArray& rec, int offset);
void setFloat64(QByteArray& rec, int offset, double value);

bool boolean(const QByteArray& rec, int offset);
void setBoolean(QByteArray& rec, int offset, bool value);

}  // namespace record
