#include <gtest/gtest.h>

#include <QDir>

#include "TempFolder.h"
#include "settings/ProgramFolder.h"

TEST(ProgramFolder, FindsFoldersAndFilesWhateverTheirCase) {
    TempFolder folder;
    folder.write(QStringLiteral("skins/Blue.skn"), "1");
    folder.write(QStringLiteral("lang/Русский.lng"), "x");
    const ProgramFolder program(folder.root());
    EXPECT_EQ(program.path(QStringLiteral("\\Skins\\Blue.skn")),
              folder.path(QStringLiteral("skins/Blue.skn")));
    EXPECT_EQ(program.path(QStringLiteral("\\SKINS\\blue.SKN")),
              folder.path(QStringLiteral("skins/Blue.skn")));
    EXPECT_EQ(program.path(QStringLiteral("\\lang\\русский.lng")),
              folder.path(QStringLiteral("lang/Русский.lng")));
    // An exact match wins over another spelling.
    QDir(folder.root()).mkpath(QStringLiteral("Skins"));
    folder.write(QStringLiteral("Skins/Blue.skn"), "2");
    EXPECT_EQ(program.path(QStringLiteral("\\Skins\\Blue.skn")),
              folder.path(QStringLiteral("Skins/Blue.skn")));
}

TEST(ProgramFolder, MissingPartsKeepTheGivenSpelling) {
    TempFolder folder;
    const ProgramFolder program(folder.root());
    EXPECT_EQ(program.path(QStringLiteral("\\system\\napom.dat")),
              folder.path(QStringLiteral("system/napom.dat")));
    EXPECT_EQ(program.path(QStringLiteral("\\Nothing\\Here.txt")),
              folder.path(QStringLiteral("Nothing/Here.txt")));
}
