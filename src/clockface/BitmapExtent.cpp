#include "clockface/BitmapExtent.h"

#include <QtEndian>
#include <limits>

namespace bitmap {

namespace {

constexpr quint32 kUncompressed = 0;
constexpr quint32 kBitFields = 3;
constexpr quint32 kAlphaBitFields = 6;
constexpr quint32 kCoreHeaderSize = 12;
constexpr quint32 kInfoHeaderSize = 40;

quint32 u32(QByteArrayView b, qsizetype at) {
    return qFromLittleEndian<quint32>(b.data() + at);
}

quint16 u16(QByteArrayView b, qsizetype at) {
    return qFromLittleEndian<quint16>(b.data() + at);
}

}  // namespace

qint64 neededSize(QByteArrayView head) {
    if (head.size() < 26 || head[0] != 'B' || head[1] != 'M') {
        return -1;
    }
    const qint64 offset = u32(head, 10);
    const quint32 headerSize = u32(head, 14);
    qint64 width = 0;
    qint64 height = 0;
    qint64 bits = 0;
    if (headerSize == kCoreHeaderSize) {
        width = u16(head, 18);
        height = u16(head, 20);
        bits = u16(head, 24);
    } else if (headerSize >= kInfoHeaderSize && head.size() >= 34) {
        width = qint32(u32(head, 18));
        height = qint32(u32(head, 22));
        bits = u16(head, 28);
        const quint32 compression = u32(head, 30);
        if (compression != kUncompressed && compression != kBitFields &&
            compression != kAlphaBitFields) {
            return -1;
        }
    } else {
        return -1;
    }
    if (width <= 0 || bits <= 0) {
        return -1;
    }
    const qint64 rows = height < 0 ? -height : height;
    const qint64 stride = (width * bits + 31) / 32 * 4;
    if (rows != 0 && stride > (std::numeric_limits<qint64>::max() - offset) / rows) {
        return std::numeric_limits<qint64>::max();  // more than any file holds
    }
    return offset + stride * rows;
}

}  // namespace bitmap
