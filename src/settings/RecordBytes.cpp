#include "settings/RecordBytes.h"

#include <QtEndian>
#include <cstring>

namespace record {

namespace {
bool fits(const QByteArray& rec, int offset, int size) {
    return offset >= 0 && size >= 0 && offset + size <= rec.size();
}
}  // namespace

QByteArray shortString(const QByteArray& rec, int offset, int capacity) {
    if (!fits(rec, offset, capacity + 1)) {
        return {};
    }
    const int length = qMin(int(static_cast<unsigned char>(rec[offset])), capacity);
    return rec.mid(offset + 1, length);
}

void setShortString(QByteArray& rec, int offset, int capacity, QByteArrayView value) {
    if (!fits(rec, offset, capacity + 1)) {
        return;
    }
    const int length = int(qMin<qsizetype>(value.size(), capacity));
    rec[offset] = char(length);
    std::memcpy(rec.data() + offset + 1, value.data(), size_t(length));
}

qint32 int32(const QByteArray& rec, int offset) {
    return fits(rec, offset, 4) ? qFromLittleEndian<qint32>(rec.constData() + offset) : 0;
}

void setInt32(QByteArray& rec, int offset, qint32 value) {
    if (fits(rec, offset, 4)) {
        qToLittleEndian<qint32>(value, rec.data() + offset);
    }
}

double float64(const QByteArray& rec, int offset) {
    if (!fits(rec, offset, 8)) {
        return 0.0;
    }
    const quint64 bits = qFromLittleEndian<quint64>(rec.constData() + offset);
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void setFloat64(QByteArray& rec, int offset, double value) {
    if (!fits(rec, offset, 8)) {
        return;
    }
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    qToLittleEndian<quint64>(bits, rec.data() + offset);
}

bool boolean(const QByteArray& rec, int offset) {
    return fits(rec, offset, 1) && rec[offset] != 0;
}

void setBoolean(QByteArray& rec, int offset, bool value) {
    if (fits(rec, offset, 1)) {
        rec[offset] = value ? 1 : 0;
    }
}

}  // namespace record
