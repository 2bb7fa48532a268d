#include <gtest/gtest.h>

#include <memory>

#include "TempFolder.h"
#include "locale/LanguageBootstrap.h"
#include "settings/ProgramFolder.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsRecord.h"

namespace {

// QSettings keeps what it read of an INI file per path for the whole process,
// so every case that writes a lang.ini gets a program folder of its own.
class LanguageBootstrap : public ::testing::Test {
  protected:
    LanguageBootstrap() {
        SettingsRecord rec = SettingsRecord::defaults();
        rec.setLangFile(QStringLiteral("Mine.lng"));
        rec.setHideDelay(9);
        rec.setSoundOff(true);
        record = rec.bytes();
    }

    std::unique_ptr<TempFolder> withIni(const QByteArray& ini) const {
        auto folder = std::make_unique<TempFolder>();
        folder->write(QStringLiteral("system/system.ini"), record);
        folder->write(QStringLiteral("system/lang.ini"), ini);
        return folder;
    }
    static QString langFileIn(const TempFolder& folder) {
        return SettingsRecord::fromBytes(folder.read(QStringLiteral("system/system.ini")))
            .langFile();
    }
    // Applies the INI and checks that it is gone.
    QString langFileAfter(const QByteArray& ini) const {
        const std::unique_ptr<TempFolder> folder = withIni(ini);
        applyLanguageBootstrap(ProgramFolder(folder->root()));
        EXPECT_FALSE(folder->exists(QStringLiteral("system/lang.ini"))) << ini.constData();
        return langFileIn(*folder);
    }

    QByteArray record;
};

}  // namespace

TEST_F(LanguageBootstrap, CodesChooseTheirFileAndTheIniGoes) {
    EXPECT_EQ(langFileAfter("[Lang]\r\nLang=eng\r\n"), QStringLiteral("English.lng"));
    EXPECT_EQ(langFileAfter("[Lang]\r\nLang=fre\r\n"), QStringLiteral("French.lng"));
    EXPECT_EQ(langFileAfter("[Lang]\r\nLang=rus\r\n"), QStringLiteral("Русский.lng"));
    // The rest of the record is as it was.
    const std::unique_ptr<TempFolder> folder = withIni("[Lang]\nLang=eng\n");
    applyLanguageBootstrap(ProgramFolder(folder->root()));
    SettingsRecord expected = SettingsRecord::fromBytes(record);
    expected.setLangFile(QStringLiteral("English.lng"));
    EXPECT_EQ(folder->read(QStringLiteral("system/system.ini")), expected.bytes());
}

TEST_F(LanguageBootstrap, AbsentKeyMeansRussianButUnknownCodesChangeNothing) {
    EXPECT_EQ(langFileAfter("[Lang]\r\nOther=eng\r\n"), QStringLiteral("Русский.lng"));
    EXPECT_EQ(langFileAfter("[Other]\r\nLang=eng\r\n"), QStringLiteral("Русский.lng"));
    EXPECT_EQ(langFileAfter(""), QStringLiteral("Русский.lng"));
    // Codes compare exactly.
    for (const char* ini :
         {"[Lang]\r\nLang=ENG\r\n", "[Lang]\r\nLang=Rus\r\n", "[Lang]\r\nLang=deu\r\n",
          "[Lang]\r\nLang=\r\n", "[Lang]\r\nLang=eng,fre\r\n"}) {
        EXPECT_EQ(langFileAfter(ini), QStringLiteral("Mine.lng")) << ini;
    }
}

TEST_F(LanguageBootstrap, SectionAndKeyNamesIgnoreCaseAsInIniFiles) {
    EXPECT_EQ(langFileAfter("[LANG]\r\nlang=fre\r\n"), QStringLiteral("French.lng"));
    // The file's own name too.
    TempFolder folder;
    folder.write(QStringLiteral("system/system.ini"), record);
    folder.write(QStringLiteral("system/LANG.INI"), "[Lang]\nLang=eng\n");
    applyLanguageBootstrap(ProgramFolder(folder.root()));
    EXPECT_FALSE(folder.exists(QStringLiteral("system/LANG.INI")));
    EXPECT_EQ(langFileIn(folder), QStringLiteral("English.lng"));
}

TEST_F(LanguageBootstrap, MissingOrShortSettingsFileIsLeftAloneAndTheIniStillGoes) {
    const std::unique_ptr<TempFolder> missing = withIni("[Lang]\r\nLang=eng\r\n");
    QFile::remove(missing->path(QStringLiteral("system/system.ini")));
    applyLanguageBootstrap(ProgramFolder(missing->root()));
    EXPECT_EQ(QDir(missing->path(QStringLiteral("system")))
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList());

    const std::unique_ptr<TempFolder> shortFile = withIni("[Lang]\r\nLang=eng\r\n");
    shortFile->write(QStringLiteral("system/system.ini"), record.left(30));
    applyLanguageBootstrap(ProgramFolder(shortFile->root()));
    EXPECT_EQ(shortFile->read(QStringLiteral("system/system.ini")), record.left(30));
    EXPECT_FALSE(shortFile->exists(QStringLiteral("system/lang.ini")));
}

TEST_F(LanguageBootstrap, WithoutIniNothingIsTouched) {
    TempFolder folder;
    const QByteArray longer = record + "tail";
    folder.write(QStringLiteral("system/system.ini"), longer);
    applyLanguageBootstrap(ProgramFolder(folder.root()));
    EXPECT_EQ(folder.read(QStringLiteral("system/system.ini")), longer);

    // Not even without a system folder at all.
    QDir(folder.path(QStringLiteral("system"))).removeRecursively();
    applyLanguageBootstrap(ProgramFolder(folder.root()));
    EXPECT_FALSE(folder.exists(QStringLiteral("system")));
}

TEST_F(LanguageBootstrap, AnyBytesInTheIniAreHarmless) {
    QByteArray noise;
    for (int i = 0; i < 4096; ++i) {
        noise += char((i * 131 + 7) % 256);
    }
    langFileAfter(noise);
    const std::unique_ptr<TempFolder> folder = withIni(noise);
    applyLanguageBootstrap(ProgramFolder(folder->root()));
    EXPECT_EQ(folder->read(QStringLiteral("system/system.ini")).size(), SettingsRecord::kSize);
}

TEST_F(LanguageBootstrap, WhatALayoutWritesIsWhatAnInstallerWritesAndReadsBack) {
    EXPECT_EQ(languageBootstrapText(QStringLiteral("fre")), QByteArray("[Lang]\r\nLang=fre\r\n"));
    const struct {
        const char* code;
        QString langFile;
    } cases[] = {
        {"rus", QStringLiteral("Русский.lng")},
        {"eng", QStringLiteral("English.lng")},
        {"fre", QStringLiteral("French.lng")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(langFileAfter(languageBootstrapText(QLatin1String(c.code))), c.langFile)
            << c.code;
    }
}
