#include <gtest/gtest.h>

#include "TempFolder.h"
#include "scheduler/ScheduleListing.h"
#include "scheduler/ScheduleTime.h"
#include "settings/ProgramFolder.h"

namespace {
ScheduleLine line(const QString& text, ScheduleKind kind = ScheduleKind::Reminders) {
    return {text, kind, {}};
}
QStringList texts(const QList<ScheduleLine>& lines) {
    QStringList out;
    for (const ScheduleLine& l : lines) {
        out << l.text;
    }
    return out;
}
}  // namespace

TEST(ScheduleListingSort, DateTextFirstThenTimeAndEqualLinesKeepTheirOrder) {
    QList<ScheduleLine> lines{line("08:00  02.01.2025  b"), line("07:00  01.12.2025  a"),
                              line("07:00  01.12.2025  first", ScheduleKind::Reminders),
                              line("07:00  01.12.2025  second", ScheduleKind::Launches),
                              line("06:00  02.01.2025  c")};
    ScheduleListing::sort(lines);
    EXPECT_EQ(texts(lines), (QStringList{"07:00  01.12.2025  a", "07:00  01.12.2025  first",
                                         "07:00  01.12.2025  second", "06:00  02.01.2025  c",
                                         "08:00  02.01.2025  b"}));
    EXPECT_EQ(lines[2].kind, ScheduleKind::Launches);
}

TEST(ScheduleListingLines, ColumnsStayInPlaceForOddTimesAndDays) {
    QByteArray rec(168, '\0');
    rec[8] = 3;
    rec.replace(9, 3, "7:5");
    rec[14] = 1;
    rec[15] = 'x';
    // Date 0.0 is 30 December 1899; NaN names no day at all.
    EXPECT_EQ(ScheduleListing::line(ScheduleKind::Reminders, rec).text,
              QStringLiteral("7:5    30.12.1899  x"));
    rec.replace(0, 8, QByteArray("\0\0\0\0\0\0\xf8\x7f", 8));
    const ScheduleLine odd = ScheduleListing::line(ScheduleKind::Reminders, rec);
    EXPECT_EQ(odd.text,
              QStringLiteral("7:5") + QString(16, QLatin1Char(' ')) + QStringLiteral("x"));
    EXPECT_EQ(odd.text.indexOf(QLatin1Char('x')), 19);
}

TEST(ScheduleListingLines, RandomBytesAndMissingFilesGiveLinesOrNone) {
    TempFolder folder;
    const ProgramFolder programFolder(folder.root());
    EXPECT_TRUE(ScheduleListing::read(programFolder).isEmpty());
    QFile random(testData(QStringLiteral("scheduler/random_bytes.bin")));
    ASSERT_TRUE(random.open(QIODevice::ReadOnly));
    const QByteArray bytes = random.readAll();
    folder.write(QStringLiteral("system/napom.dat"), bytes);
    folder.write(QStringLiteral("system/run.dat"), bytes);
    EXPECT_EQ(ScheduleListing::read(programFolder).size(), 4096 / 168 + 4096 / 272);
}

TEST(ScheduleTimeFields, TwoDigitsAlwaysAndNothingOutsideTheClock) {
    EXPECT_EQ(ScheduleTime::check("7", "5").time, QStringLiteral("07:05"));
    EXPECT_EQ(ScheduleTime::check(" 23 ", "59").time, QStringLiteral("23:59"));
    EXPECT_EQ(ScheduleTime::check("00", "00").time, QStringLiteral("00:00"));
    for (const auto& [h, m] : QList<std::pair<QString, QString>>{{"24", "00"},
                                                                 {"00", "60"},
                                                                 {"", "00"},
                                                                 {"1a", "00"},
                                                                 {"+1", "00"},
                                                                 {"-0", "00"},
                                                                 {"12", ""},
                                                                 {"99999999999", "00"},
                                                                 {"١", "00"}}) {
        EXPECT_FALSE(ScheduleTime::check(h, m).ok()) << h.toStdString() << ":" << m.toStdString();
    }
    EXPECT_EQ(ScheduleTime::step("x", 1, 0, 23), QStringLiteral("01"));
    EXPECT_EQ(ScheduleTime::step("99", -1, 0, 59), QStringLiteral("59"));
}
