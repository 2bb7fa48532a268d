#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "TempFolder.h"
#include "settings/ProgramOptions.h"

namespace {
const QString kFile = QStringLiteral("system/options.ini");
}

TEST(ProgramOptionsFile, WhatCannotBeReadGivesTheDefaults) {
    struct Case {
        const char* what;
        QByteArray content;  // null: no file at all
        bool desktopNotifications;
    };
    const Case cases[] = {
        {"missing", QByteArray(), false},
        {"empty", QByteArray(""), false},
        {"on", QByteArray("[options]\ndesktopNotifications=1\n"), true},
        {"off", QByteArray("[options]\ndesktopNotifications=0\n"), false},
        {"CR LF and spaces", QByteArray("[options]\r\n desktopNotifications = 1 \r\n"), true},
        {"a value of another kind", QByteArray("desktopNotifications=yes please\n"), false},
        {"binary", QByteArray("desktopNotifications=1\n\0\xff\xfe", 27), false},
        {"far too large", QByteArray("desktopNotifications=1\n") + QByteArray(70000, 'x'), false},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        if (!c.content.isNull()) {
            folder.write(kFile, c.content);
        }
        const ProgramOptions options = ProgramOptions::read(folder.path(kFile));
        EXPECT_EQ(options.desktopNotifications(), c.desktopNotifications) << c.what;
    }
}

TEST(ProgramOptionsFile, AFolderUnderTheNameGivesTheDefaults) {
    TempFolder folder;
    QDir(folder.root()).mkpath(kFile);
    EXPECT_FALSE(ProgramOptions::read(folder.path(kFile)).desktopNotifications());
}

TEST(ProgramOptionsFile, WhatIsWrittenReadsBackWithLinesOfLaterVersionsKept) {
    for (bool on : {true, false}) {
        TempFolder folder;
        folder.write(kFile, "[options]\nlaterOption=7\ndesktopNotifications=1\n");
        ProgramOptions options = ProgramOptions::read(folder.path(kFile));
        options.setDesktopNotifications(on);
        ASSERT_TRUE(options.write(folder.path(kFile)).ok()) << on;
        EXPECT_EQ(ProgramOptions::read(folder.path(kFile)), options) << on;
        EXPECT_TRUE(folder.read(kFile).contains("\nlaterOption=7\n")) << on;
        // The rewrite went through a scratch file that is gone again.
        EXPECT_EQ(QDir(folder.path(QStringLiteral("system"))).entryList(QDir::Files),
                  QStringList{QStringLiteral("options.ini")})
            << on;
    }
}

TEST(ProgramOptionsFile, AWriteThatCannotReplaceTheFileIsTold) {
    TempFolder folder;
    QDir(folder.root()).mkpath(kFile);  // a folder where the file should be
    EXPECT_FALSE(ProgramOptions().write(folder.path(kFile)).ok());
    EXPECT_TRUE(QFileInfo(folder.path(kFile)).isDir());
}
