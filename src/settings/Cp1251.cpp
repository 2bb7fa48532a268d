#include "settings/Cp1251.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace cp1251 {

namespace {
constexpr const char* kName = "windows-1251";
}

namespace {
// The code page maps each byte to one character on its own, so a table built
// once byte by byte decodes as the codec does, without a codec per call.
struct DecodeTable {
    char16_t chars[256];
    DecodeTable() {
        for (int b = 0; b < 256; ++b) {
            QStringDecoder decoder(kName);
            const char byte = char(b);
            const QString one = decoder.decode(QByteArrayView(&byte, 1));
            chars[b] = one.isEmpty() ? u'\uFFFD' : one.at(0).unicode();
        }
    }
};
}  // namespace

QString decode(QByteArrayView bytes) {
    static const DecodeTable table;
    QString out(bytes.size(), Qt::Uninitialized);
    char16_t* to = reinterpret_cast<char16_t*>(out.data());
    for (const char c : bytes) {
        *to++ = table.chars[static_cast<unsigned char>(c)];
    }
    return out;
}

QByteArray encode(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (const QChar c : text) {
        QStringEncoder encoder(kName);
        const QByteArray one = encoder.encode(QStringView(&c, 1));
        out += (encoder.hasError() || one.size() != 1) ? QByteArray("?") : one;
    }
    return out;
}

bool canEncode(const QString& text) {
    return unencodable(text).isEmpty();
}

QString unencodable(const QString& text) {
    QString bad;
    for (const QChar c : text) {
        QStringEncoder encoder(kName);
        const QByteArray one = encoder.encode(QStringView(&c, 1));
        if ((encoder.hasError() || one.size() != 1) && !bad.contains(c)) {
            bad += c;
        }
    }
    return bad;
}

}  // namespace cp1251
