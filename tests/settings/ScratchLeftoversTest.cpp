#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QSaveFile>

#include "TempFolder.h"
#include "settings/ScratchLeftovers.h"

namespace {

QStringList systemFiles(const TempFolder& folder) {
    return QDir(folder.path(QStringLiteral("system"))).entryList(QDir::Files | QDir::Hidden);
}

}  // namespace

TEST(ScratchLeftovers, OnlyTheNamesASaveMakesCount) {
    const QString target = QStringLiteral("system.ini");
    EXPECT_TRUE(scratchleftovers::isScratchOf(QStringLiteral("system.ini.aBcDeF"), target));
    EXPECT_TRUE(scratchleftovers::isScratchOf(QStringLiteral("system.ini.XXXXXX"), target));
    for (const char* foreign : {"system.ini", "system.ini.bak", "system.ini.aBcDeFg",
                                "system.ini.ab1dEF", "system.ini.ab-dEF", "system.ini-aBcDeF",
                                "System.ini.aBcDeF", "xsystem.ini.aBcDeF", "system.in.aBcDeF"}) {
        EXPECT_FALSE(scratchleftovers::isScratchOf(QString::fromLatin1(foreign), target))
            << foreign;
    }
}

TEST(ScratchLeftovers, LeftoversGoRealFilesAndLookAlikesStay) {
    TempFolder folder;
    for (const char* name :
         {"system/system.ini", "system/system.ini.bak", "system/other.ini.aBcDeF",
          "system/system.ini.aBcDeFg", "system/napom.dat", "prazdniki/1.prz",
          "prazdniki/1.prz.12abcd", "prazdniki/2.prz.qwerty"}) {
        folder.write(QString::fromLatin1(name), "keep");
    }
    folder.write(QStringLiteral("system/system.ini.aBcDeF"), "scratch");
    folder.write(QStringLiteral("system/.system.ini.QwErTy"), "hidden look-alike");
    folder.write(QStringLiteral("prazdniki/1.prz.XyZabc"), "scratch");
    folder.write(QStringLiteral("system/nappr.dat"), "scratch");
    QDir(folder.root()).mkpath(QStringLiteral("system/system.ini.FOLDER"));
    ASSERT_TRUE(QFile::link(folder.path(QStringLiteral("system/napom.dat")),
                            folder.path(QStringLiteral("system/system.ini.LinkAB"))));

    const QStringList removed =
        scratchleftovers::remove({folder.path(QStringLiteral("system/system.ini")),
                                  folder.path(QStringLiteral("prazdniki/1.prz")),
                                  folder.path(QStringLiteral("prazdniki/2.prz"))},
                                 {folder.path(QStringLiteral("system/nappr.dat")),
                                  folder.path(QStringLiteral("system/runpr.dat"))});

    EXPECT_EQ(removed.size(), 4);
    EXPECT_FALSE(folder.exists(QStringLiteral("system/system.ini.aBcDeF")));
    EXPECT_FALSE(folder.exists(QStringLiteral("prazdniki/1.prz.XyZabc")));
    EXPECT_FALSE(
        folder.exists(QStringLiteral("prazdniki/2.prz.qwerty")));  // its month file is gone
    EXPECT_FALSE(folder.exists(QStringLiteral("system/nappr.dat")));
    for (const char* name :
         {"system/system.ini", "system/system.ini.bak", "system/other.ini.aBcDeF",
          "system/system.ini.aBcDeFg", "system/napom.dat", "prazdniki/1.prz",
          "prazdniki/1.prz.12abcd", "system/.system.ini.QwErTy", "system/system.ini.FOLDER",
          "system/system.ini.LinkAB"}) {
        EXPECT_TRUE(QFileInfo(folder.path(QString::fromLatin1(name))).exists() ||
                    QFileInfo(folder.path(QString::fromLatin1(name))).isSymLink())
            << name;
    }
    EXPECT_EQ(folder.read(QStringLiteral("system/system.ini")), "keep");
}

// The pattern is Qt's, not ours: a save really killed halfway must leave a
// name that is recognised, or nothing at all.
TEST(ScratchLeftovers, TheScratchFileOfAKilledSaveIsRecognised) {
    TempFolder folder;
    const QString target = folder.path(QStringLiteral("system/system.ini"));
    folder.write(QStringLiteral("system/system.ini"), "old");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        QSaveFile save(target);
        if (save.open(QIODevice::WriteOnly)) {
            save.write("half");
            save.flush();
        }
        _exit(0);  // no destructor: as a kill would leave it
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    const QStringList before = systemFiles(folder);
    scratchleftovers::remove({target}, {});
    EXPECT_EQ(systemFiles(folder), QStringList{QStringLiteral("system.ini")})
        << before.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(folder.read(QStringLiteral("system/system.ini")), "old");
}
