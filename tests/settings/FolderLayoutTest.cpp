#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>

#include "settings/FolderLayout.h"

namespace {

using Files = QMap<QString, QByteArray>;

void plant(const QString& root, const Files& files) {
    for (auto it = files.begin(); it != files.end(); ++it) {
        const QString path = root + QLatin1Char('/') + it.key();
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << qPrintable(path);
        file.write(it.value());
    }
}

Files contents(const QString& root) {
    Files files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        files[QDir(root).relativeFilePath(path)] = file.readAll();
    }
    return files;
}

Files merged(Files files, const Files& more) {
    files.insert(more);
    return files;
}

}  // namespace

TEST(FolderLayout, CopiesWhatIsMissingAndLeavesWhatIsThere) {
    const Files supplied{{"system/system.ini", "defaults"},
                         {"skins/Classic.skn", "skin"},
                         {"skins/deep/er/face.bmp", "face"},
                         {"lang/English.lng", "english"}};
    const struct {
        const char* name;
        Files present;
        Files after;
        int problems;
    } cases[] = {
        {"a missing folder gets everything, nested folders too", {}, supplied, 0},
        {"the user's settings stay as they are, the rest comes in",
         {{"system/system.ini", "mine"}, {"system/napom.dat", "reminders"}},
         {{"system/system.ini", "mine"},
          {"system/napom.dat", "reminders"},
          {"skins/Classic.skn", "skin"},
          {"skins/deep/er/face.bmp", "face"},
          {"lang/English.lng", "english"}},
         0},
        {"a file under another case counts as there",
         {{"Skins/CLASSIC.skn", "edited"}},
         {{"Skins/CLASSIC.skn", "edited"},
          {"Skins/deep/er/face.bmp", "face"},
          {"system/system.ini", "defaults"},
          {"lang/English.lng", "english"}},
         0},
        {"a file where a folder belongs is kept, and reported",
         {{"skins", "not a folder"}},
         {{"skins", "not a folder"},
          {"system/system.ini", "defaults"},
          {"lang/English.lng", "english"}},
         2},
    };
    for (const auto& c : cases) {
        QTemporaryDir from;
        QTemporaryDir home;
        const QString to = home.path() + QStringLiteral("/chronidex");
        plant(from.path(), supplied);
        plant(to, c.present);
        const QList<FolderLayout::Problem> problems = FolderLayout(from.path(), to).layOut();
        EXPECT_EQ(problems.size(), c.problems) << c.name;
        EXPECT_EQ(contents(to), c.after) << c.name;
        EXPECT_EQ(contents(from.path()), supplied) << c.name;
    }
}

TEST(FolderLayout, OnlyAFolderWithoutSettingsGetsTheLanguageBootstrap) {
    const QByteArray french = "[Lang]\r\nLang=fre\r\n";
    const Files supplied{{"system/system.ini", "defaults"}, {"lang/French.lng", "french"}};
    const Files laidOut{{"system/system.ini", "defaults"},
                        {"lang/French.lng", "french"},
                        {"system/lang.ini", french}};
    const struct {
        const char* name;
        Files present;
        QByteArray bootstrap;
        Files after;
    } cases[] = {
        {"a new folder", {}, french, laidOut},
        {"a folder with the sub-folders but no settings",
         {{"system/napom.dat", "reminders"}},
         french,
         merged(laidOut, {{"system/napom.dat", "reminders"}})},
        {"the desktop's language is the supplied one", {}, QByteArray(), supplied},
        {"the user's settings",
         {{"system/system.ini", "mine"}},
         french,
         {{"system/system.ini", "mine"}, {"lang/French.lng", "french"}}},
        {"the user's settings under another case",
         {{"System/SYSTEM.INI", "mine"}},
         french,
         {{"System/SYSTEM.INI", "mine"}, {"lang/French.lng", "french"}}},
        {"a second layout, the first start done", supplied, french, supplied},
        {"a second layout before the first start", laidOut, "[Lang]\r\nLang=eng\r\n", laidOut},
        {"an installer's bootstrap",
         {{"system/lang.ini", "[Lang]\r\nLang=rus\r\n"}},
         french,
         {{"system/system.ini", "defaults"},
          {"lang/French.lng", "french"},
          {"system/lang.ini", "[Lang]\r\nLang=rus\r\n"}}},
    };
    for (const auto& c : cases) {
        QTemporaryDir from;
        QTemporaryDir home;
        const QString to = home.path() + QStringLiteral("/chronidex");
        plant(from.path(), supplied);
        plant(to, c.present);
        EXPECT_TRUE(FolderLayout(from.path(), to, c.bootstrap).layOut().isEmpty()) << c.name;
        EXPECT_EQ(contents(to), c.after) << c.name;
    }
}

// A folder that cannot be made fails every file that belongs in it, and a
// folder that cannot be written every file copied into it: told once a
// folder, with how many files and why, each reason once.
TEST(FolderLayout, ProblemsAreGatheredOnceAFolder) {
    using Problem = FolderLayout::Problem;
    const QList<Problem> problems{
        {"/u/skins", ""},
        {"/u/prazdniki/1.prz", "Permission denied"},
        {"/u/skins", ""},
        {"/u/prazdniki/2.prz", "Permission denied"},
        {"/u/skins/deep", ""},
        {"/u/prazdniki/3.prz", "No space left on device"},
        {"/u/lang/English.lng", "Permission denied"},
    };
    const struct {
        const char* folder;
        bool notMade;
        int files;
        QStringList reasons;
    } expected[] = {
        {"/u/skins", true, 0, {}},
        {"/u/prazdniki", false, 3, {"Permission denied", "No space left on device"}},
        {"/u/skins/deep", true, 0, {}},
        {"/u/lang", false, 1, {"Permission denied"}},
    };
    const QList<FolderLayout::FolderProblems> folders = FolderLayout::byFolder(problems);
    ASSERT_EQ(folders.size(), qsizetype(std::size(expected)));
    for (size_t i = 0; i < std::size(expected); ++i) {
        SCOPED_TRACE(expected[i].folder);
        EXPECT_EQ(folders[i].folder, QLatin1String(expected[i].folder));
        EXPECT_EQ(folders[i].notMade, expected[i].notMade);
        EXPECT_EQ(folders[i].files, expected[i].files);
        EXPECT_EQ(folders[i].reasons, expected[i].reasons);
    }
    EXPECT_TRUE(FolderLayout::byFolder({}).isEmpty());
}
