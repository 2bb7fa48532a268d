#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QTemporaryDir>

#include "TempFolder.h"
#include "clockface/SkinDescription.h"

namespace {

SkinDescriptionResult readFixture(const char* name) {
    return skin::readDescription(testData(QStringLiteral("clockface/") + QLatin1String(name)));
}

struct Fault {
    const char* file;
    SkinDescriptionFault fault;
    int line;
};

}  // namespace

TEST(SkinDescription, ReadsTheSixLinesInOrder) {
    const SkinDescriptionResult result = readFixture("classic.skn");
    ASSERT_TRUE(result.ok()) << result.reason().toStdString();
    EXPECT_EQ(*result.description, (SkinDescription{9, 0, 4, HandGeometry{94, 94, 85}}));
    EXPECT_EQ(result.fault, SkinDescriptionFault::None);
}

TEST(SkinDescription, AcceptsTheLineEndsAndPaddingEditorsLeave) {
    // LF ends and unread lines after the sixth, garbage included.
    EXPECT_EQ(*readFixture("extra_lines.skn").description,
              (SkinDescription{1, 2, 3, HandGeometry{50, 60, 70}}));
    // A byte-order mark, blanks and tabs around the numbers, signs, leading
    // zeros, and no line end after the last line.
    EXPECT_EQ(*readFixture("padded_no_final_break.skn").description,
              (SkinDescription{12, 7, 18, HandGeometry{-5, 0, 30}}));
    // Lone carriage returns.
    EXPECT_EQ(*readFixture("lone_cr.skn").description,
              (SkinDescription{3, 4, 5, HandGeometry{10, 20, 30}}));
    // The whole integer range for the geometry.
    EXPECT_EQ(
        *readFixture("int_limits.skn").description,
        (SkinDescription{0, 18, 0, HandGeometry{-2147483647 - 1, 2147483647, -2147483647 - 1}}));
}

TEST(SkinDescription, NamesTheFirstBadLine) {
    const Fault cases[] = {
        {"empty.skn", SkinDescriptionFault::LineMissing, 1},
        {"five_lines.skn", SkinDescriptionFault::LineMissing, 6},
        {"letters.skn", SkinDescriptionFault::NotAnInteger, 4},
        {"hex.skn", SkinDescriptionFault::NotAnInteger, 2},
        {"blank_line.skn", SkinDescriptionFault::NotAnInteger, 2},
        {"nul_byte.skn", SkinDescriptionFault::NotAnInteger, 1},
        {"sign_only.skn", SkinDescriptionFault::NotAnInteger, 5},
        {"decimal_point.skn", SkinDescriptionFault::NotAnInteger, 6},
        {"overflow.skn", SkinDescriptionFault::NotAnInteger, 5},
        {"index19.skn", SkinDescriptionFault::ColourOutOfRange, 3},
        {"negative_index.skn", SkinDescriptionFault::ColourOutOfRange, 1},
    };
    for (const Fault& c : cases) {
        SCOPED_TRACE(c.file);
        const SkinDescriptionResult result = readFixture(c.file);
        EXPECT_FALSE(result.ok());
        EXPECT_EQ(result.fault, c.fault);
        EXPECT_EQ(result.line, c.line);
        EXPECT_TRUE(result.reason().contains(QString::number(c.line)));
    }
    EXPECT_TRUE(readFixture("index19.skn").reason().contains(QStringLiteral("от 0 до 18")));
}

TEST(SkinDescription, TakesAnyBytes) {
    EXPECT_FALSE(readFixture("random_bytes.skn").ok());
    // Every cut of a good file is either complete or names a line.
    const QByteArray good("9\r\n0\r\n4\r\n94\r\n94\r\n85\r\n");
    for (qsizetype n = 0; n <= good.size(); ++n) {
        const SkinDescriptionResult result = skin::parseDescription(QByteArrayView(good).first(n));
        if (!result.ok()) {
            EXPECT_GE(result.line, 1);
            EXPECT_LE(result.line, 6);
        }
    }
    EXPECT_TRUE(skin::parseDescription(QByteArrayView(good).first(good.size() - 2)).ok());
}

TEST(SkinDescription, ReadsOnlyTheHeadOfAHugeFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("huge.skn"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n");
    file.write(QByteArray(20 * 1024 * 1024, 'x'));
    file.close();
    EXPECT_EQ(skin::readDescription(path).description->geometry, (HandGeometry{4, 5, 6}));

    // A line too long to be a number, even if it ends in one.
    const QByteArray longLine = "1\r\n" + QByteArray(5000, ' ') + "2\r\n3\r\n4\r\n5\r\n6\r\n";
    const SkinDescriptionResult result = skin::parseDescription(longLine);
    EXPECT_EQ(result.fault, SkinDescriptionFault::NotAnInteger);
    EXPECT_EQ(result.line, 2);
}

TEST(SkinDescription, TellsAMissingOrUnreadableFile) {
    TempFolder folder;
    const SkinDescriptionResult missing = skin::readDescription(folder.path("skins/none.skn"));
    EXPECT_EQ(missing.fault, SkinDescriptionFault::FileMissing);
    EXPECT_FALSE(missing.reason().isEmpty());
    // A folder where the file should be, as an empty skin name gives.
    const SkinDescriptionResult folderInstead = skin::readDescription(folder.path("skins"));
    EXPECT_FALSE(folderInstead.ok());
    EXPECT_EQ(folderInstead.fault, SkinDescriptionFault::FileUnreadable);
    // A pipe would keep the read waiting for a writer.
    const QString pipe = folder.path("skins/pipe.skn");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const SkinDescriptionResult pipeInstead = skin::readDescription(pipe);
    EXPECT_EQ(pipeInstead.fault, SkinDescriptionFault::FileUnreadable);
    EXPECT_FALSE(pipeInstead.reason().isEmpty());
}
