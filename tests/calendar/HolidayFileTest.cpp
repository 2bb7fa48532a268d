#include <gtest/gtest.h>

#include <QDate>
#include <QFile>

#include "TempFolder.h"
#include "calendar/HolidayFile.h"
#include "settings/Cp1251.h"
#include "settings/ProgramFolder.h"
#include "settings/SafeWrite.h"

namespace {

QStringList readFixture(const char* name) {
    const Expected<QStringList> lines =
        holidays::read(testData(QStringLiteral("calendar/") + QLatin1String(name)));
    EXPECT_TRUE(lines) << name << ": " << lines.error().toStdString();
    return lines ? *lines : QStringList{QStringLiteral("<unreadable>")};
}

// Leaves no fault behind for the next test, whatever happens in this one.
struct SeamGuard {
    ~SeamGuard() { safewrite::setFaultSeam({}); }
};

}  // namespace

TEST(HolidayFilePath, TwelveMonthFilesAndNoOthers) {
    TempFolder folder;
    const ProgramFolder program(folder.root());
    EXPECT_EQ(holidays::pathFor(program, 1), folder.path(QStringLiteral("prazdniki/1.prz")));
    EXPECT_EQ(holidays::pathFor(program, 12), folder.path(QStringLiteral("prazdniki/12.prz")));
    // An installation that spelled the folder otherwise is still found.
    QDir(folder.root()).rename(QStringLiteral("prazdniki"), QStringLiteral("Prazdniki"));
    folder.write(QStringLiteral("Prazdniki/3.PRZ"), "8\r\n");
    EXPECT_EQ(holidays::pathFor(program, 3), folder.path(QStringLiteral("Prazdniki/3.PRZ")));

    // A month number from outside the year names no file, so neither a read
    // nor a write can reach a stray "13.prz".
    for (int month : {0, 13, -1}) {
        EXPECT_TRUE(holidays::pathFor(program, month).isEmpty()) << month;
    }
    const Expected<QStringList> read = holidays::read(holidays::pathFor(program, 13));
    EXPECT_FALSE(read);
    EXPECT_FALSE(read.error().isEmpty());
    const Expected<void> written =
        holidays::write(holidays::pathFor(program, 13), {QStringLiteral("1")});
    EXPECT_FALSE(written);
    EXPECT_FALSE(written.error().isEmpty());
    EXPECT_FALSE(folder.exists(QStringLiteral("Prazdniki/13.prz")));
}

TEST(HolidayFileRead, EveryLineInFileOrderWhateverTheLineEnds) {
    const QStringList days{QStringLiteral("1"), QStringLiteral("7")};
    EXPECT_EQ(readFixture("january.prz"), days);
    // No line end after the last entry, or LF alone, read just the same.
    EXPECT_EQ(readFixture("no-final-line-end.prz"), days);
    EXPECT_EQ(readFixture("lone-lf.prz"), days);
    // Lines are handed on as they stand; telling days from other text is the
    // caller's business.
    EXPECT_EQ(readFixture("not-days.prz"),
              (QStringList{QStringLiteral("07"), QStringLiteral(" 7"), QStringLiteral("7 "),
                           QStringLiteral("0"), QStringLiteral("32"), QStringLiteral("x"),
                           QString(), QStringLiteral("31")}));
}

TEST(HolidayFileRead, EmptyMonthGivesOneBlankEntryEitherWay) {
    EXPECT_EQ(readFixture("zero-bytes.prz"), QStringList{QString()});
    EXPECT_EQ(readFixture("one-empty-line.prz"), QStringList{QString()});
    // Two empty lines are two entries.
    TempFolder folder;
    folder.write(QStringLiteral("prazdniki/1.prz"), "\r\n\r\n");
    EXPECT_EQ(holidays::read(folder.path(QStringLiteral("prazdniki/1.prz"))).value(),
              (QStringList{QString(), QString()}));
}

TEST(HolidayFileRead, UnopenableFileGivesNothingAndSaysWhy) {
    TempFolder folder;
    const QString missing = folder.path(QStringLiteral("prazdniki/5.prz"));
    const Expected<QStringList> read = holidays::read(missing);
    EXPECT_FALSE(read);
    EXPECT_TRUE(read.error().contains(missing)) << read.error().toStdString();
    EXPECT_TRUE(read.error().contains(QStringLiteral("не найден"))) << read.error().toStdString();
    // The folder gone altogether, a folder in the file's place, a device.
    QDir(folder.path(QStringLiteral("prazdniki"))).mkdir(QStringLiteral("6.prz"));
    EXPECT_FALSE(holidays::read(folder.path(QStringLiteral("prazdniki/6.prz"))));
    EXPECT_FALSE(holidays::read(folder.path(QStringLiteral("none/1.prz"))));
    EXPECT_FALSE(holidays::read(QStringLiteral("/dev/zero")));
}

TEST(HolidayFileRead, AnyBytesAndLongLinesReadWithoutHarm) {
    const QStringList noise = readFixture("random.prz");
    EXPECT_FALSE(noise.isEmpty());

    TempFolder folder;
    const QByteArray longLine(3 * 1024 * 1024, '9');
    folder.write(QStringLiteral("prazdniki/2.prz"), longLine + "\r\n23\r\n");
    const Expected<QStringList> lines =
        holidays::read(folder.path(QStringLiteral("prazdniki/2.prz")));
    ASSERT_TRUE(lines);
    ASSERT_EQ(lines->size(), 2);
    EXPECT_EQ(lines->at(0).size(), longLine.size());
    EXPECT_EQ(lines->at(1), QStringLiteral("23"));
}

TEST(HolidayFileWrite, EachEntryEndsWithCrLfAndNothingElseIsWritten) {
    TempFolder folder;
    const QString path = folder.path(QStringLiteral("prazdniki/1.prz"));
    ASSERT_TRUE(holidays::write(path, {QStringLiteral("1"), QStringLiteral("7")}));
    EXPECT_EQ(folder.read(QStringLiteral("prazdniki/1.prz")), QByteArray("1\r\n7\r\n"));
    // The editor's placeholder and a list emptied by deleting.
    ASSERT_TRUE(holidays::write(path, {QString()}));
    EXPECT_EQ(folder.read(QStringLiteral("prazdniki/1.prz")), QByteArray("\r\n"));
    ASSERT_TRUE(holidays::write(path, {}));
    ASSERT_TRUE(folder.exists(QStringLiteral("prazdniki/1.prz")));
    EXPECT_EQ(folder.read(QStringLiteral("prazdniki/1.prz")), QByteArray());
    // Text is stored in code page 1251.
    ASSERT_TRUE(holidays::write(path, {QStringLiteral("День")}));
    EXPECT_EQ(folder.read(QStringLiteral("prazdniki/1.prz")),
              cp1251::encode(QStringLiteral("День")) + "\r\n");
}

TEST(HolidayFileWrite, WhatIsWrittenReadsBackTheSame) {
    TempFolder folder;
    const QString path = folder.path(QStringLiteral("prazdniki/12.prz"));
    const QList<QStringList> lists{
        {QStringLiteral("31")},
        {QString()},
        {QStringLiteral("1"), QString(), QStringLiteral("07"), QStringLiteral(" 8 ")},
    };
    for (const QStringList& entries : lists) {
        ASSERT_TRUE(holidays::write(path, entries));
        EXPECT_EQ(holidays::read(path).value(), entries);
    }
}

TEST(HolidayFileWrite, FailuresSayWhyAndLeaveTheOldFileWhole) {
    TempFolder folder;
    // The program never creates the holiday folder.
    QDir(folder.path(QStringLiteral("prazdniki"))).removeRecursively();
    Expected<void> written =
        holidays::write(folder.path(QStringLiteral("prazdniki/1.prz")), {QStringLiteral("1")});
    EXPECT_FALSE(written);
    EXPECT_TRUE(written.error().contains(QStringLiteral("папк"))) << written.error().toStdString();
    EXPECT_FALSE(folder.exists(QStringLiteral("prazdniki")));

    QDir(folder.root()).mkdir(QStringLiteral("prazdniki"));
    const QString path = folder.path(QStringLiteral("prazdniki/1.prz"));
    folder.write(QStringLiteral("prazdniki/1.prz"), "1\r\n7\r\n");
    // A line break inside an entry would turn it into two entries.
    written = holidays::write(path, {QStringLiteral("1\r\n2"), QStringLiteral("3")});
    EXPECT_FALSE(written);
    EXPECT_FALSE(written.error().isEmpty());
    EXPECT_FALSE(holidays::write(path, {QStringLiteral("4\n")}));
    EXPECT_EQ(folder.read(QStringLiteral("prazdniki/1.prz")), QByteArray("1\r\n7\r\n"));

    // Stopped at any step of the rewrite, as by a crash, the old file stays.
    const SeamGuard guard;
    for (safewrite::Step stop : {safewrite::Step::Create, safewrite::Step::Write,
                                 safewrite::Step::Flush, safewrite::Step::Rename}) {
        safewrite::setFaultSeam([stop](safewrite::Step step) { return step != stop; });
        written = holidays::write(path, {QStringLiteral("9")});
        EXPECT_FALSE(written);
        EXPECT_FALSE(written.error().isEmpty());
        EXPECT_EQ(folder.read(QStringLiteral("prazdniki/1.prz")), QByteArray("1\r\n7\r\n"));
    }
    EXPECT_EQ(QDir(folder.path(QStringLiteral("prazdniki"))).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("1.prz")});
}

TEST(HolidayFileSupplied, TwelveMonthsOfAscendingDays) {
    const ProgramFolder tree{QStringLiteral(CHRONIDEX_DATA_TREE)};
    for (int month = 1; month <= 12; ++month) {
        const QString path = holidays::pathFor(tree, month);
        const Expected<QStringList> lines = holidays::read(path);
        ASSERT_TRUE(lines) << month;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        if (bytes.isEmpty()) {
            continue;  // an empty month
        }
        EXPECT_TRUE(bytes.endsWith("\r\n")) << month;
        EXPECT_EQ(bytes.count("\n"), bytes.count("\r\n")) << month;
        const int days = QDate(2024, month, 1).daysInMonth();  // a leap year
        int previous = 0;
        for (const QString& line : *lines) {
            bool number = false;
            const int day = line.toInt(&number);
            EXPECT_TRUE(number && day >= 1 && day <= days && QString::number(day) == line)
                << month << ": \"" << line.toStdString() << "\"";
            EXPECT_GT(day, previous) << month;
            previous = day;
        }
    }
}
