#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>
#include <QDir>
#include <QTemporaryDir>
#include <algorithm>

#include "FileKinds.h"
#include "TempFolder.h"
#include "settings/SafeWrite.h"
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

// Scratch names (a save's pattern beside its target, the schedules' fixed
// names) lose what lies under them, files and links alike; a link goes
// itself and what it points to stays. Look-alike names and folders stay.
TEST(ScratchLeftovers, LeftoversGoFilesAndLinksAtScratchNamesAndLookAlikesStay) {
    using filekinds::Kind;
    TempFolder folder;
    QTemporaryDir other;
    const filekinds::Elsewhere elsewhere(other.path());
    for (const char* name : {"system/system.ini", "system/napom.dat", "prazdniki/1.prz"}) {
        folder.write(QString::fromLatin1(name), "keep");
    }
    const struct {
        const char* name;
        Kind kind;
        bool removed;
    } rows[] = {
        {"system/system.ini.aBcDeF", Kind::Regular, true},
        {"prazdniki/1.prz.XyZabc", Kind::Regular, true},
        {"prazdniki/2.prz.qwerty", Kind::Regular, true},  // its month file is gone
        {"system/nappr.dat", Kind::Regular, true},
        {"system/system.ini.LinkAB", Kind::LinkToFile, true},
        {"system/system.ini.DanglE", Kind::DanglingLink, true},
        {"system/system.ini.PipeAB", Kind::LinkToFifo, true},
        {"system/runpr.dat", Kind::LinkToFile, true},
        {"system/nappr.dat.aBcDeF", Kind::Regular, false},
        {"system/system.ini.FOLDER", Kind::Folder, false},
        {"system/system.ini.bak", Kind::Regular, false},
        {"system/other.ini.aBcDeF", Kind::Regular, false},
        {"system/system.ini.aBcDeFg", Kind::Regular, false},
        {"system/.system.ini.QwErTy", Kind::Regular, false},
        {"prazdniki/1.prz.12abcd", Kind::Regular, false},
        {"system/system.ini.Pipeab", Kind::Fifo, false},
    };
    for (const auto& row : rows) {
        filekinds::plant(row.kind, folder.path(QString::fromLatin1(row.name)), elsewhere,
                         "elsewhere");
    }

    const QStringList removed =
        scratchleftovers::remove({folder.path(QStringLiteral("system/system.ini")),
                                  folder.path(QStringLiteral("prazdniki/1.prz")),
                                  folder.path(QStringLiteral("prazdniki/2.prz"))},
                                 {folder.path(QStringLiteral("system/nappr.dat")),
                                  folder.path(QStringLiteral("system/runpr.dat"))});

    for (const auto& row : rows) {
        const QString path = folder.path(QString::fromLatin1(row.name));
        EXPECT_EQ(filekinds::found(path) == QStringLiteral("nothing"), row.removed) << row.name;
        EXPECT_EQ(removed.contains(path), row.removed) << row.name;
    }
    EXPECT_EQ(removed.size(), std::count_if(std::begin(rows), std::end(rows),
                                            [](const auto& row) { return row.removed; }));
    EXPECT_EQ(filekinds::read(elsewhere.file), "elsewhere");
    EXPECT_EQ(filekinds::found(elsewhere.pipe), QStringLiteral("a pipe"));
    for (const char* name : {"system/system.ini", "system/napom.dat", "prazdniki/1.prz"}) {
        EXPECT_EQ(folder.read(QString::fromLatin1(name)), "keep") << name;
    }
}

// A save really killed before its rename must leave a name that is
// recognised, or nothing at all.
TEST(ScratchLeftovers, TheScratchFileOfAKilledSaveIsRecognised) {
    TempFolder folder;
    const QString target = folder.path(QStringLiteral("system/system.ini"));
    folder.write(QStringLiteral("system/system.ini"), "old");
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        safewrite::setFaultSeam([](safewrite::Step step) {
            if (step == safewrite::Step::Rename) {
                _exit(0);  // no destructor: as a kill would leave it
            }
            return true;
        });
        (void)safewrite::replaceFile(target, "new");
        _exit(1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const QStringList before = systemFiles(folder);
    EXPECT_EQ(before.size(), 2);
    scratchleftovers::remove({target}, {});
    EXPECT_EQ(systemFiles(folder), QStringList{QStringLiteral("system.ini")})
        << before.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(folder.read(QStringLiteral("system/system.ini")), "old");
}
