#include "settings/Cp1251.h"

namespace cp1251 {

namespace {
// Bytes 0x80 to 0xBF of the code page; below them it is ASCII, above them
// the Russian alphabet from U+0410 on. A table of our own, and not the
// system's converter, since that would bring the whole Unicode library into
// memory at start-up for one small code page. 0x98, unassigned, stands for
// U+0098, as the system's converter decodes it.
constexpr char16_t kHighChars[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  //
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  //
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  //
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  //
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  //
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};

constexpr char16_t kAlphabetStart = 0x0410;

// The byte that stands for `c`, or -1 when the code page has none.
int byteOf(char16_t c) {
    if (c < 0x80) {
        return c;
    }
    if (c >= kAlphabetStart && c < kAlphabetStart + 64) {
        return 0xC0 + (c - kAlphabetStart);
    }
    for (int i = 0; i < 64; ++i) {
        if (kHighChars[i] == c) {
            return 0x80 + i;
        }
    }
    return -1;
}
}  // namespace

char16_t decodeByte(char byte) {
    const auto b = static_cast<unsigned char>(byte);
    if (b < 0x80) {
        return b;
    }
    return b < 0xC0 ? kHighChars[b - 0x80] : char16_t(kAlphabetStart + (b - 0xC0));
}

QString decode(QByteArrayView bytes) {
    QString out(bytes.size(), Qt::Uninitialized);
    char16_t* to = reinterpret_cast<char16_t*>(out.data());
    for (const char c : bytes) {
        *to++ = decodeByte(c);
    }
    return out;
}

QByteArray encode(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const int b = byteOf(c.unicode());
        out += b < 0 ? '?' : char(b);
    }
    return out;
}

bool canEncode(const QString& text) {
    return unencodable(text).isEmpty();
}

QString unencodable(const QString& text) {
    QString bad;
    for (const QChar c : text) {
        if (byteOf(c.unicode()) < 0 && !bad.contains(c)) {
            bad += c;
        }
    }
    return bad;
}

}  // namespace cp1251
