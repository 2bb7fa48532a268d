#include "desktop/HyperlinkTarget.h"

namespace hyperlink {

QString mailtoText(const TEmailParams& email) {
    QString text = QStringLiteral("mailto:") + email.Name + QLatin1Char('<') + email.Address +
                   QLatin1Char('>');
    const std::pair<const char*, const QString*> parts[] = {
        {"Subject=", &email.Subject},
        {"CC=", &email.CarbonCopy},
        {"BCC=", &email.BlindCarbonCopy},
        {"Body=", &email.Message},
    };
    bool first = true;
    for (const auto& [key, value] : parts) {
        if (value->isEmpty()) {
            continue;
        }
        text += QLatin1Char(first ? '?' : '&') + QLatin1String(key) + *value;
        first = false;
    }
    return text;
}

QString webAddress(const QString& url) {
    static const QString scheme = QStringLiteral("http://");
    return url.startsWith(scheme, Qt::CaseSensitive) ? url : scheme + url;
}

}  // namespace hyperlink
