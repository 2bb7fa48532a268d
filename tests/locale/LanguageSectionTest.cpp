#include <gtest/gtest.h>

#include <QFile>

#include "FakePlatform.h"
#include "TempFolder.h"
#include "locale/LanguageSection.h"
#include "settings/Cp1251.h"
#include "settings/ProgramFolder.h"
#include "settings/SettingsRecord.h"

namespace {

class LanguageSectionLoad : public ::testing::Test {
  protected:
    LanguageSectionLoad() {
        settings.setLangFile(QStringLiteral("Русский.lng"));
        writeLanguage(QStringLiteral("lang/Русский.lng"), QStringLiteral("Выбор языка"));
    }
    void writeLanguage(const QString& relative, const QString& caption) {
        folder.write(relative, cp1251::encode(QStringLiteral("[funlang]\r\n") + caption +
                                              QStringLiteral("\r\nОтмена\r\n[end]\r\n")));
    }

    TempFolder folder;
    ProgramFolder programFolder{folder.root()};
    SettingsRecord settings;
    FakePlatform platform;
    LanguageSection section{QStringLiteral("[funlang]")};
};

}  // namespace

TEST(LanguageSectionCatalogue, EachFixedSectionHasItsLineCount) {
    const std::pair<const char*, int> catalogue[] = {
        {"[funupu]", 3},  {"[funlang]", 2}, {"[funskin]", 2}, {"[funholi]", 8},
        {"[funmem]", 5},  {"[funaut]", 5},  {"[funrun]", 7},  {"[funoth]", 7},
        {"[funacc]", 11}, {"[funnot]", 6},  {"[funrep]", 10}};
    for (const auto& [header, lines] : catalogue) {
        EXPECT_EQ(LanguageSection::lineCountOf(QLatin1String(header)), lines) << header;
    }
    // Tables and misspellings are no fixed-size sections.
    EXPECT_EQ(LanguageSection::lineCountOf(QStringLiteral("[month]")), 0);
    EXPECT_EQ(LanguageSection::lineCountOf(QStringLiteral("[FUNMEM]")), 0);
    EXPECT_EQ(LanguageSection::lineCountOf(QStringLiteral("[funmem] ")), 0);

    // Slots start empty and are counted from 1; lines outside give nothing.
    const LanguageSection mem(QStringLiteral("[funmem]"));
    EXPECT_EQ(mem.lines(), QStringList(5));
    EXPECT_EQ(mem.line(0), QString());
    EXPECT_EQ(mem.line(6), QString());
    EXPECT_TRUE(LanguageSection(QStringLiteral("[x]")).lines().isEmpty());
}

TEST_F(LanguageSectionLoad, ReadsTheChosenFileOfTheLanguageFolder) {
    ASSERT_TRUE(section.load(programFolder, settings, &platform));
    EXPECT_EQ(section.line(1), QStringLiteral("Выбор языка"));
    EXPECT_EQ(section.line(2), QStringLiteral("Отмена"));
    EXPECT_TRUE(platform.errors.isEmpty());

    // Another language reaches the section at its next load.
    writeLanguage(QStringLiteral("lang/English.lng"), QStringLiteral("Choose language"));
    settings.setLangFile(QStringLiteral("English.lng"));
    ASSERT_TRUE(section.load(programFolder, settings, &platform));
    EXPECT_EQ(section.line(1), QStringLiteral("Choose language"));
}

TEST_F(LanguageSectionLoad, FileAndFolderNamesMatchWithoutRegardToCase) {
    QFile::remove(folder.path(QStringLiteral("lang/Русский.lng")));
    QDir(folder.root()).rename(QStringLiteral("lang"), QStringLiteral("Lang"));
    writeLanguage(QStringLiteral("Lang/РУССКИЙ.LNG"), QStringLiteral("Заглавные"));
    ASSERT_TRUE(section.load(programFolder, settings, &platform));
    EXPECT_EQ(section.line(1), QStringLiteral("Заглавные"));
}

TEST_F(LanguageSectionLoad, MissingFileIsReportedAndKeepsThePreviousTexts) {
    ASSERT_TRUE(section.load(programFolder, settings, &platform));
    QFile::remove(folder.path(QStringLiteral("lang/Русский.lng")));
    EXPECT_FALSE(section.load(programFolder, settings, &platform));
    ASSERT_EQ(platform.errors.size(), 1);
    EXPECT_TRUE(platform.errors[0].contains(QStringLiteral("Русский.lng")));
    EXPECT_TRUE(platform.errors[0].contains(QStringLiteral("не найден")));
    EXPECT_EQ(section.lines(),
              (QStringList{QStringLiteral("Выбор языка"), QStringLiteral("Отмена")}));
    // Without a platform to report to the load still fails quietly.
    EXPECT_FALSE(section.load(programFolder, settings, nullptr));
}

TEST_F(LanguageSectionLoad, SectionMissingFromTheFileKeepsTheSlots) {
    LanguageSection skin(QStringLiteral("[funskin]"));
    EXPECT_TRUE(skin.load(programFolder, settings, &platform));
    EXPECT_EQ(skin.lines(), QStringList(2));
    EXPECT_TRUE(platform.errors.isEmpty());
}

TEST_F(LanguageSectionLoad, EmptyOrPathLikeNamesNeverOpenAnything) {
    // An empty name would be the language folder itself.
    settings.setLangFile(QString());
    EXPECT_FALSE(section.load(programFolder, settings, &platform));
    ASSERT_EQ(platform.errors.size(), 1);
    EXPECT_EQ(section.lines(), QStringList(2));

    // A name may not lead out of the language folder, however the file
    // there looks.
    folder.write(QStringLiteral("system/x.lng"), "[funlang]\r\nout\r\nside\r\n[end]\r\n");
    for (const char* name : {"..\\system\\x.lng", "../system/x.lng"}) {
        settings.setLangFile(QLatin1String(name));
        EXPECT_FALSE(section.load(programFolder, settings, &platform)) << name;
    }
    EXPECT_EQ(platform.errors.size(), 3);
    EXPECT_EQ(section.lines(), QStringList(2));
}

TEST_F(LanguageSectionLoad, NameOfTwentySixCharactersIsCutAndDoesNotOpen) {
    const QString longName = QStringLiteral("abcdefghijklmnopqrstu.lng");  // 25 characters
    const QString tooLong = QStringLiteral("abcdefghijklmnopqrstuv.lng");  // 26 characters
    writeLanguage(QStringLiteral("lang/") + longName, QStringLiteral("fits"));
    writeLanguage(QStringLiteral("lang/") + tooLong, QStringLiteral("cut"));
    settings.setLangFile(longName);
    ASSERT_TRUE(section.load(programFolder, settings, &platform));
    EXPECT_EQ(section.line(1), QStringLiteral("fits"));

    settings.setLangFile(tooLong);
    EXPECT_FALSE(section.load(programFolder, settings, &platform));
    ASSERT_EQ(platform.errors.size(), 1);
    EXPECT_TRUE(platform.errors[0].contains(QStringLiteral("abcdefghijklmnopqrstuv.ln")));
    EXPECT_EQ(section.line(1), QStringLiteral("fits"));
}
