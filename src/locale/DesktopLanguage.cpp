#include "locale/DesktopLanguage.h"

#include <QLocale>

#include "locale/LanguageBootstrap.h"

namespace {

// The locale name as the C library takes it: language[_territory][.codeset][@modifier].
QString languagePart(const QString& locale) {
    qsizetype end = 0;
    while (end < locale.size() && locale[end] != QLatin1Char('_') &&
           locale[end] != QLatin1Char('.') && locale[end] != QLatin1Char('@')) {
        ++end;
    }
    return locale.left(end);
}

}  // namespace

QString desktoplanguage::bootstrapCode(const QProcessEnvironment& environment) {
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment.value(QLatin1String(name));
        if (!locale.isEmpty()) {
            break;
        }
    }
    const QString language = languagePart(locale).toLower();
    if (language.isEmpty() || language == QLatin1String("c") ||
        language == QLatin1String("posix")) {
        return QString();
    }
    // QLocale's own tables, not the system's generated locales: both ISO 639
    // forms ("fr", "fra", "fre") name the language.
    switch (QLocale::codeToLanguage(language)) {
        case QLocale::Russian:
            return QStringLiteral("rus");
        case QLocale::French:
            return QStringLiteral("fre");
        default:
            // English is the most widely read of the three.
            return QStringLiteral("eng");
    }
}

QByteArray desktoplanguage::bootstrapFile(const QProcessEnvironment& environment) {
    const QString code = bootstrapCode(environment);
    return code.isEmpty() ? QByteArray() : languageBootstrapText(code);
}
