#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QTemporaryDir>

#include "FileKinds.h"
#include "TempFolder.h"
#include "settings/SafeWrite.h"

// The crash-safe rewrite of the settings record, the holiday files and the
// autostart entry, by what lies under the target's name: a link stays and
// the file it ends in is rewritten; nothing but the target is left behind,
// and the target keeps its permissions.
TEST(SafeWrite, ReplacesTheFileALinkEndsInAndLeavesNothingElse) {
    using filekinds::Kind;
    const struct {
        Kind kind;
        bool done;
        bool linkStays;
    } rows[] = {
        {Kind::Nothing, true, false},        {Kind::Regular, true, false},
        {Kind::LinkToFile, true, true},      {Kind::DanglingLink, true, true},
        {Kind::HardLinkToFile, true, false}, {Kind::Folder, false, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(filekinds::name(row.kind));
        TempFolder folder;
        QTemporaryDir other;
        const filekinds::Elsewhere elsewhere(other.path());
        const QString target = folder.path(QStringLiteral("system/system.ini"));
        filekinds::plant(row.kind, target, elsewhere, "old");
        ::chmod(QFile::encodeName(elsewhere.file).constData(), 0600);
        if (row.kind == Kind::Regular) {
            ::chmod(QFile::encodeName(target).constData(), 0600);
        }
        const QString was = filekinds::found(target);
        const Expected<void> done = safewrite::replaceFile(target, "new");
        EXPECT_EQ(done.ok(), row.done) << done.error().toStdString();
        const QStringList systemFiles =
            QDir(folder.path(QStringLiteral("system")))
                .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        EXPECT_EQ(systemFiles, QStringList{QStringLiteral("system.ini")});
        if (!row.done) {
            EXPECT_EQ(filekinds::found(target), was);
            continue;
        }
        EXPECT_EQ(filekinds::read(target), "new");
        EXPECT_EQ(filekinds::found(target), row.linkStays ? was : QStringLiteral("a regular file"));
        // Through a link, the file it ends in; a hard link is a name of its own.
        EXPECT_EQ(filekinds::read(elsewhere.file), row.kind == Kind::LinkToFile ? "new" : "old");
        QStringList elsewhereFiles =
            QDir(other.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        elsewhereFiles.sort();
        EXPECT_EQ(elsewhereFiles.size(), row.kind == Kind::DanglingLink ? 3 : 2)
            << elsewhereFiles.join(' ').toStdString();
        struct stat st = {};
        ::stat(QFile::encodeName(target).constData(), &st);
        if (row.kind == Kind::Regular || row.kind == Kind::LinkToFile) {
            EXPECT_EQ(st.st_mode & 0777, 0600u);
        }
    }
}
