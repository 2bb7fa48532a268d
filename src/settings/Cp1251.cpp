#include "settings/Cp1251.h"

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
