#include "desktop/LinkTarget.h"

namespace hyperlink {

QString mailtoText(const MailLink& email) {
    QString text = QStringLiteral("mailto:") + email.name + QLatin1Char('<') + email.address +
                   QLatin1Char('>');
    const std::pair<const char*, const QString*> parts[] = {
        {"Subject=", &email.subject},
        {"CC=", &email.carbonCopy},
        {"BCC=", &email.blindCarbonCopy},
        {"Body=", &email.message},
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
