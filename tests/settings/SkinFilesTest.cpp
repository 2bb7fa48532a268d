#include <gtest/gtest.h>

#include "TempFolder.h"
#include "settings/SkinFiles.h"

TEST(SkinFiles, OnlyAPlainFileNamePicksASkinFile) {
    TempFolder folder;
    const ProgramFolder program(folder.root());
    for (const QString& name :
         {QStringLiteral("sub/Test"), QStringLiteral("sub\\Test"), QStringLiteral("../Test"),
          QStringLiteral(".."), QStringLiteral("."), QStringLiteral("/etc/passwd"), QString()}) {
        EXPECT_FALSE(skinfiles::isPlainName(name)) << name.toStdString();
        EXPECT_TRUE(skinfiles::path(program, name, QStringLiteral(".bmp")).isEmpty())
            << name.toStdString();
    }
    EXPECT_TRUE(skinfiles::isPlainName(QStringLiteral("..Test")));
    EXPECT_EQ(skinfiles::path(program, QStringLiteral("Test"), QStringLiteral(".wav")),
              folder.path(QStringLiteral("skins/Test.wav")));
}

// The folder keeps its on-disk spelling; while it is missing, every skin
// file is named under one spelling.
TEST(SkinFiles, EveryFileNamesTheFolderTheSameWay) {
    TempFolder folder;
    const ProgramFolder program(folder.root());
    ASSERT_TRUE(QDir(folder.path(QStringLiteral("skins"))).removeRecursively());
    EXPECT_EQ(skinfiles::path(program, QStringLiteral("A.skn")),
              folder.path(QStringLiteral("skins/A.skn")));
    EXPECT_EQ(skinfiles::path(program, QStringLiteral("A"), QStringLiteral(".bmp")),
              folder.path(QStringLiteral("skins/A.bmp")));
    ASSERT_TRUE(QDir(folder.root()).mkpath(QStringLiteral("SKINS")));
    folder.write(QStringLiteral("SKINS/A.bmp"), "x");
    EXPECT_EQ(skinfiles::path(program, QStringLiteral("A.skn")),
              folder.path(QStringLiteral("SKINS/A.skn")));
    EXPECT_EQ(skinfiles::path(program, QStringLiteral("a"), QStringLiteral(".BMP")),
              folder.path(QStringLiteral("SKINS/A.bmp")));
}
