#include <gtest/gtest.h>
#include <sys/stat.h>

#include "TempFolder.h"
#include "settings/Cp1251.h"
#include "settings/SafeWrite.h"
#include "settings/SettingsFile.h"

namespace {

// The record an installation supplies, written out by hand.
QByteArray suppliedRecord() {
    QByteArray rec(60, '\0');
    const QByteArray lang = cp1251::encode(QStringLiteral("Русский.lng"));
    rec[0] = char(lang.size());
    rec.replace(1, lang.size(), lang);
    rec[26] = 11;
    rec.replace(27, 11, "Classic.skn");
    rec[52] = 5;
    rec[57] = 1;
    return rec;
}

}  // namespace

TEST(SettingsRecord, FieldsSitAtTheirOffsets) {
    const SettingsRecord rec = SettingsRecord::fromBytes(suppliedRecord());
    EXPECT_EQ(rec.langFile(), QStringLiteral("Русский.lng"));
    EXPECT_EQ(rec.skinFile(), QStringLiteral("Classic.skn"));
    EXPECT_EQ(rec.skinName(), QStringLiteral("Classic"));
    EXPECT_EQ(rec.hideDelay(), 5);
    EXPECT_FALSE(rec.restartFlag());
    EXPECT_TRUE(rec.autoHide());
    EXPECT_FALSE(rec.noPullTab());
    EXPECT_FALSE(rec.soundOff());
    EXPECT_EQ(SettingsRecord::defaults().bytes(), suppliedRecord());
}

TEST(SettingsRecord, NamesKeepTwentyFiveCharactersAndShortSkinNamesShrink) {
    SettingsRecord rec;
    rec.setLangFile(QStringLiteral("abcdefghijklmnopqrstuvwxy.lng"));
    EXPECT_EQ(rec.langFile(), QStringLiteral("abcdefghijklmnopqrstuvwxy"));
    rec.setLangFile(QString(25, QLatin1Char('n')));
    EXPECT_EQ(rec.langFile().size(), 25);
    rec.setSkinFile(QStringLiteral("ab"));
    EXPECT_EQ(rec.skinName(), QString());
    // A damaged length byte never reads into the next field.
    QByteArray bytes = suppliedRecord();
    bytes[26] = char(255);
    EXPECT_EQ(SettingsRecord::fromBytes(bytes).skinFileBytes().size(), 25);
}

TEST(SettingsFile, LongerFileReadsItsFirstSixtyAndIsCutOnTheNextWrite) {
    TempFolder folder;
    folder.write(QStringLiteral("system/system.ini"), suppliedRecord() + QByteArray(40, 'x'));
    SettingsFile file(folder.path(QStringLiteral("system/system.ini")));
    ASSERT_TRUE(file.read());
    EXPECT_EQ(file.read()->bytes(), suppliedRecord());
    ASSERT_TRUE(file.updateCopy([](SettingsRecord& r) { r.setRestartFlag(true); }));
    const QByteArray after = folder.read(QStringLiteral("system/system.ini"));
    QByteArray expected = suppliedRecord();
    expected[56] = 1;
    EXPECT_EQ(after, expected);
}

TEST(SettingsFile, UpdateCopyKeepsEveryByteTheCallerLeavesAlone) {
    TempFolder folder;
    QByteArray stored = suppliedRecord();
    stored[56] = 1;
    stored.replace(12, 5, "JUNK!");  // beyond the name's length: undefined, kept
    folder.write(QStringLiteral("system/system.ini"), stored);
    SettingsFile file(folder.path(QStringLiteral("system/system.ini")));
    SettingsRecord inMemory = SettingsRecord::fromBytes(stored);
    inMemory.setSoundOff(true);  // forced in memory only; must not reach the file
    ASSERT_TRUE(file.updateCopy([](SettingsRecord& r) { r.setRestartFlag(false); }));
    QByteArray expected = stored;
    expected[56] = 0;
    EXPECT_EQ(folder.read(QStringLiteral("system/system.ini")), expected);
}

TEST(SettingsFile, UpdateCopyOfAMissingFileFailsAndCreatesNothing) {
    TempFolder folder;
    SettingsFile file(folder.path(QStringLiteral("system/system.ini")));
    const Expected<void> done = file.updateCopy([](SettingsRecord& r) { r.setRestartFlag(true); });
    EXPECT_FALSE(done);
    EXPECT_FALSE(done.error().isEmpty());
    EXPECT_FALSE(folder.exists(QStringLiteral("system/system.ini")));
}

TEST(SettingsFile, UpdateThroughReadsIntoSettingsOrFallsBackToMemory) {
    TempFolder folder;
    SettingsFile file(folder.path(QStringLiteral("system/system.ini")));
    SettingsRecord settings = SettingsRecord::defaults();
    settings.setHideDelay(9);
    // Unreadable (missing) file: the in-memory record with the change is written.
    ASSERT_TRUE(file.updateThrough(
        settings, [](SettingsRecord& r) { r.setSkinFile(QStringLiteral("Night.skn")); }));
    EXPECT_EQ(file.read()->hideDelay(), 9);
    EXPECT_EQ(file.read()->skinFile(), QStringLiteral("Night.skn"));
    // Readable file: its values replace the in-memory ones first.
    QByteArray stored = suppliedRecord();
    stored[52] = 17;
    folder.write(QStringLiteral("system/system.ini"), stored);
    ASSERT_TRUE(file.updateThrough(
        settings, [](SettingsRecord& r) { r.setLangFile(QStringLiteral("English.lng")); }));
    EXPECT_EQ(settings.hideDelay(), 17);
    EXPECT_EQ(file.read()->langFile(), QStringLiteral("English.lng"));
    EXPECT_EQ(folder.read(QStringLiteral("system/system.ini")).size(), 60);
}

TEST(SettingsFile, StartupRebuildsAMissingOrShortFileOnce) {
    TempFolder folder;
    const QString path = folder.path(QStringLiteral("system/system.ini"));
    folder.write(QStringLiteral("system/system.ini"), QByteArray(59, '\1'));
    SettingsFile file(path);
    SettingsFile::StartupLoad load = file.loadAtStartup();
    EXPECT_TRUE(load.rebuilt);
    EXPECT_FALSE(load.problem.isEmpty());
    EXPECT_EQ(load.record, SettingsRecord::defaults());
    EXPECT_EQ(folder.read(QStringLiteral("system/system.ini")), suppliedRecord());
    load = file.loadAtStartup();
    EXPECT_FALSE(load.rebuilt);

    QFile::remove(path);
    EXPECT_TRUE(file.loadAtStartup().rebuilt);
    EXPECT_TRUE(QFile::exists(path));
}

// A link loop can be neither read nor replaced: the caller must learn that
// the defaults stayed in memory.
TEST(SettingsFile, StartupTellsWhenTheRebuiltFileCouldNotBeWritten) {
    TempFolder folder;
    const QString path = folder.path(QStringLiteral("system/system.ini"));
    ASSERT_TRUE(QDir(folder.root()).mkpath(QStringLiteral("system/system.ini")));
    const SettingsFile::StartupLoad load = SettingsFile(path).loadAtStartup();
    EXPECT_TRUE(load.rebuilt);
    EXPECT_FALSE(load.written);
    EXPECT_FALSE(load.writeError.isEmpty());
    EXPECT_EQ(load.record, SettingsRecord::defaults());

    ASSERT_TRUE(QDir(path).removeRecursively());
    const SettingsFile::StartupLoad fresh = SettingsFile(path).loadAtStartup();
    EXPECT_TRUE(fresh.written);
    EXPECT_TRUE(fresh.writeError.isEmpty());
}

// Opening a pipe for reading waits for a writer that never comes: the start
// must refuse it and put the rebuilt record in its place.
TEST(SettingsFile, StartupReplacesAPipeUnderTheNameWithoutWaitingOnIt) {
    TempFolder folder;
    const QString path = folder.path(QStringLiteral("system/system.ini"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    const Expected<SettingsRecord> read = SettingsFile(path).read();
    EXPECT_FALSE(read);
    EXPECT_FALSE(read.error().isEmpty());
    EXPECT_FALSE(SettingsFile(path).updateCopy([](SettingsRecord&) {}));
    const SettingsFile::StartupLoad load = SettingsFile(path).loadAtStartup();
    EXPECT_TRUE(load.rebuilt);
    EXPECT_TRUE(load.written);
    EXPECT_EQ(folder.read(QStringLiteral("system/system.ini")), suppliedRecord());
}

// A rewrite stopped at any step, as by a crash or power cut, leaves the old
// record or the new one, never an empty or partial file.
TEST(SafeWrite, AnInterruptedRewriteLeavesTheOldOrTheNewFile) {
    const QByteArray oldBytes = suppliedRecord();
    QByteArray newBytes = suppliedRecord();
    newBytes[56] = 1;
    for (int stop = 0; stop <= 4; ++stop) {
        for (bool scratch : {false, true}) {
            TempFolder folder;
            folder.write(QStringLiteral("system/napom.dat"), oldBytes);
            int step = 0;
            safewrite::setFaultSeam([&](safewrite::Step) { return step++ < stop; });
            const QString path = folder.path(QStringLiteral("system/napom.dat"));
            const bool done =
                scratch ? safewrite::replaceThroughScratch(
                              folder.path(QStringLiteral("system/nappr.dat")), path, newBytes)
                              .ok()
                        : safewrite::replaceFile(path, newBytes).ok();
            safewrite::setFaultSeam({});
            const QByteArray now = folder.read(QStringLiteral("system/napom.dat"));
            EXPECT_EQ(done, stop == 4);
            EXPECT_EQ(now, done ? newBytes : oldBytes) << "stopped before step " << stop;
        }
    }
}

TEST(SafeWrite, ScratchRenameReplacesAnExistingFileAndLeavesNoScratch) {
    TempFolder folder;
    folder.write(QStringLiteral("system/run.dat"), "old");
    ASSERT_TRUE(safewrite::replaceThroughScratch(folder.path(QStringLiteral("system/runpr.dat")),
                                                 folder.path(QStringLiteral("system/run.dat")),
                                                 "new"));
    EXPECT_EQ(folder.read(QStringLiteral("system/run.dat")), QByteArray("new"));
    EXPECT_FALSE(folder.exists(QStringLiteral("system/runpr.dat")));
    // A folder that does not exist is an error, not a silent success.
    const Expected<void> done =
        safewrite::replaceFile(folder.path(QStringLiteral("nowhere/x.ini")), "x");
    EXPECT_FALSE(done);
    EXPECT_FALSE(done.error().isEmpty());
}
