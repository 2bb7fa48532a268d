#include "config/Cp1251.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace cp1251 {

namespace {
constexpr const char* kName = "windows-1251";
}

QString decode(QByteArrayView bytes) {
    QStringDecoder decoder(kName);
    return decoder.decode(bytes);
}

QByteArray encode(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        QStringEncoder encoder(kName);
        const QByteArray one = encoder.encode(QStringView(&ch, 1));
        out += (encoder.hasError() || one.size() != 1) ? QByteArray("?") : one;
    }
    return out;
}

bool canEncode(const QString& text) {
    return unencodable(text).isEmpty();
}

QString unencodable(const QString& text) {
    QString bad;
    for (const QChar ch : text) {
        QStringEncoder encoder(kName);
        const QByteArray one = encoder.encode(QStringView(&ch, 1));
        if ((encoder.hasError() || one.size() != 1) && !bad.contains(ch)) {
            bad += ch;
        }
    }
    return bad;
}

}  // namespace cp1251
