#include <gtest/gtest.h>

#include <QProcessEnvironment>

#include "locale/DesktopLanguage.h"

TEST(DesktopLanguage, TheLocaleVariablesPickTheBootstrapCode) {
    const struct {
        const char* lcAll;  // null: unset
        const char* lcMessages;
        const char* lang;
        const char* code;  // empty: the supplied choice stands
    } cases[] = {
        {nullptr, nullptr, "ru_RU.UTF-8", "rus"},
        {nullptr, nullptr, "en_US.UTF-8", "eng"},
        {nullptr, nullptr, "en_GB", "eng"},
        {nullptr, nullptr, "fr_CA.UTF-8", "fre"},
        {nullptr, nullptr, "fr_FR.UTF-8", "fre"},
        {nullptr, nullptr, "fr", "fre"},
        {nullptr, nullptr, "be_BY.UTF-8@latin", "eng"},
        {nullptr, nullptr, "de_DE.UTF-8", "eng"},
        {nullptr, nullptr, "xx_YY.UTF-8", "eng"},
        {nullptr, nullptr, "C", ""},
        {nullptr, nullptr, "C.UTF-8", ""},
        {nullptr, nullptr, "POSIX", ""},
        {nullptr, nullptr, "", ""},
        {nullptr, nullptr, nullptr, ""},
        {"fr_FR.UTF-8", nullptr, "ru_RU.UTF-8", "fre"},
        {"C", "fr_FR.UTF-8", "ru_RU.UTF-8", ""},
        {"", nullptr, "en_US.UTF-8", "eng"},
        {nullptr, "ru_RU.UTF-8", "en_US.UTF-8", "rus"},
        {nullptr, "", "fr_FR.UTF-8", "fre"},
        {nullptr, "en_GB.UTF-8", "C", "eng"},
    };
    for (const auto& c : cases) {
        QProcessEnvironment environment;
        // gettext's list of translations is no locale variable.
        environment.insert(QStringLiteral("LANGUAGE"), QStringLiteral("de"));
        for (const auto& [name, value] :
             {std::pair{"LC_ALL", c.lcAll}, {"LC_MESSAGES", c.lcMessages}, {"LANG", c.lang}}) {
            if (value) {
                environment.insert(QLatin1String(name), QString::fromLatin1(value));
            }
        }
        const QString row =
            QStringLiteral("LC_ALL=%1 LC_MESSAGES=%2 LANG=%3")
                .arg(c.lcAll ? c.lcAll : "(unset)", c.lcMessages ? c.lcMessages : "(unset)",
                     c.lang ? c.lang : "(unset)");
        EXPECT_EQ(desktoplanguage::bootstrapCode(environment), QLatin1String(c.code))
            << qPrintable(row);
    }
}
