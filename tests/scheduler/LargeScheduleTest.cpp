#include <gtest/gtest.h>

#include <QFile>
#include <algorithm>

#include "TempFolder.h"
#include "scheduler/ReminderRecord.h"
#include "scheduler/ScheduleEntry.h"
#include "scheduler/ScheduleFiles.h"
#include "scheduler/ScheduleLines.h"
#include "settings/DayCount.h"
#include "settings/ProgramFolder.h"

namespace {

QByteArray reminder(double date, const QByteArray& time, const QString& text) {
    ReminderRecord rec;
    rec.setDate(date);
    rec.setTime(QString::fromUtf8(time));
    rec.setText(text);
    return rec.bytes();
}

}  // namespace

// The numbers worked out at load stand for the text comparisons the checks
// make with the clock's "HH:mm": due at exactly that text, overdue once it is
// greater byte for byte.
TEST(ScheduleEntryNumbers, DueAndOverdueMinutesAgreeWithTheTextComparison) {
    for (const QByteArray& time : {QByteArray("07:05"), QByteArray("7:05"), QByteArray(""),
                                   QByteArray("23:59"), QByteArray("24:00"), QByteArray("12:3"),
                                   QByteArray("ab"), QByteArray("00:00"), QByteArray("09:6x")}) {
        SCOPED_TRACE(time.constData());
        const ScheduleEntry entry =
            ScheduleEntry::fromRecord(ScheduleKind::Reminders, reminder(45000.5, time, "x"));
        EXPECT_EQ(entry.timeBytes(), time);
        for (int m = 0; m < 1440; ++m) {
            const QByteArray clock = QTime(m / 60, m % 60).toString("HH:mm").toLatin1();
            EXPECT_EQ(entry.dueMinute == m, time == clock) << m;
            EXPECT_EQ(m >= entry.overdueFrom, time < clock) << m;
        }
    }
    const ScheduleEntry noDay = ScheduleEntry::fromRecord(
        ScheduleKind::Reminders, reminder(std::numeric_limits<double>::quiet_NaN(), "10:00", "x"));
    EXPECT_FALSE(noDay.day().isValid());
    EXPECT_LT(noDay.julianDay, QDate(1, 1, 1).toJulianDay());  // before every day: overdue
}

// The list's one sort gives the order of a plain stable sort of the lines'
// characters, by the time (characters 1 to 5) and then by the date text with
// the space after it (characters 8 to 18), odd days (no day, years before
// 1000 and past 9999) included, and times whose stored bytes sort otherwise
// than their characters ("€" is byte 0x88 and U+20AC, "ж" byte 0xE6 and U+0436).
TEST(ScheduleLinesOrder, EqualsTheSortByTheLinesCharacters) {
    TempFolder folder;
    const ProgramFolder programFolder(folder.root());
    const double days[] = {45000.2, 45031.0, 44635.0, -693000.0, 2900000.0, 2.0e7, -3.0e6, 0.0};
    const char* times[] = {"10:30", "7:05", "10:30", "", "09:00", "ab", "€1", "ж1"};
    struct Line {
        QString text;
        ScheduleKind kind;
    };
    const auto byCharacters = [](QList<Line>& lines) {
        for (const auto& [from, count] : {std::pair{0, 5}, std::pair{7, 11}}) {
            std::stable_sort(lines.begin(), lines.end(),
                             [from, count](const Line& a, const Line& b) {
                                 return QStringView(a.text).mid(from, count) <
                                        QStringView(b.text).mid(from, count);
                             });
        }
    };
    QByteArray reminders;
    QByteArray launches;
    QList<Line> expected;
    for (int i = 0; i < 60; ++i) {
        const QByteArray rec = reminder(days[i / 8 % 8], times[i % 8], QString::number(i));
        reminders += rec;
        expected.append(
            {ScheduleLines::text(ScheduleEntry::fromRecord(ScheduleKind::Reminders, rec)),
             ScheduleKind::Reminders});
    }
    byCharacters(expected);
    for (int i = 0; i < 40; ++i) {
        QByteArray rec(272, '\0');
        rec.replace(0, 168,
                    reminder(days[i * 3 % 8], times[i * 5 % 8], QStringLiteral("/bin/%1").arg(i)));
        launches += rec;
        expected.append(
            {ScheduleLines::text(ScheduleEntry::fromRecord(ScheduleKind::Launches, rec)),
             ScheduleKind::Launches});
    }
    byCharacters(expected);
    folder.write(QStringLiteral("system/napom.dat"), reminders);
    folder.write(QStringLiteral("system/run.dat"), launches);

    const ScheduleLines lines = ScheduleLines::read(programFolder);
    ASSERT_EQ(lines.size(), expected.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines.text(i), expected[i].text) << i;
        EXPECT_EQ(lines.entry(i).kind, expected[i].kind) << i;
    }
}

// The columns stay in place for odd times and days; random bytes give lines,
// a missing file none.
TEST(ScheduleLinesText, ColumnsStayInPlaceAndDamagedFilesGiveLinesOrNone) {
    QByteArray rec(168, '\0');
    rec[8] = 3;
    rec.replace(9, 3, "7:5");
    rec[14] = 1;
    rec[15] = 'x';
    const auto line = [&] {
        return ScheduleLines::text(ScheduleEntry::fromRecord(ScheduleKind::Reminders, rec));
    };
    // Date 0.0 is 30 December 1899; NaN names no day at all.
    EXPECT_EQ(line(), QStringLiteral("7:5    30.12.1899  x"));
    rec.replace(0, 8, QByteArray("\0\0\0\0\0\0\xf8\x7f", 8));
    EXPECT_EQ(line(), QStringLiteral("7:5") + QString(16, QLatin1Char(' ')) + QStringLiteral("x"));

    TempFolder folder;
    const ProgramFolder programFolder(folder.root());
    EXPECT_EQ(ScheduleLines::read(programFolder).size(), 0);
    QFile random(testData(QStringLiteral("scheduler/random_bytes.bin")));
    ASSERT_TRUE(random.open(QIODevice::ReadOnly));
    const QByteArray bytes = random.readAll();
    folder.write(QStringLiteral("system/napom.dat"), bytes);
    folder.write(QStringLiteral("system/run.dat"), bytes);
    EXPECT_EQ(ScheduleLines::read(programFolder).size(), 4096 / 168 + 4096 / 272);
}

// A removal streams the file in pieces: records of the key at the start, on
// the border of two pieces and at the end all go, every other byte stays;
// so too when the first of them lies past the first piece, after a long run
// of records that go over unread by the program.
TEST(LargeScheduleRemoval, KeyRecordsAnywhereInALongFileAreDropped) {
    const QList<QList<int>> layouts = {{0, 1023, 1024, 2999}, {7000, 7001, 8999}};
    for (const QList<int>& ofKey : layouts) {
        SCOPED_TRACE(ofKey.first());
        TempFolder folder;
        const ProgramFolder programFolder(folder.root());
        ScheduleFiles files{programFolder};
        const double keyDay = daycount::fromDate(QDate(2026, 3, 10));
        const int count = ofKey.last() + 1;
        QByteArray all;
        QByteArray kept;
        for (int i = 0; i < count; ++i) {
            const bool match = ofKey.contains(i);
            QByteArray rec = reminder(match ? keyDay + 0.5 : keyDay + 1 + i % 3, "09:00",
                                      QStringLiteral("запись %1").arg(i));
            rec[167] = char(i);  // padding, which a rewrite must carry
            all += rec;
            if (!match) {
                kept += rec;
            }
        }
        folder.write(QStringLiteral("system/napom.dat"), all + "partial");
        EXPECT_TRUE(files.remove(ScheduleKind::Reminders, {QDate(2026, 3, 10), "09:00"}));
        EXPECT_EQ(folder.read(QStringLiteral("system/napom.dat")), kept);
        EXPECT_FALSE(folder.exists(QStringLiteral("system/nappr.dat")));
        EXPECT_EQ(files.load(ScheduleKind::Reminders).size(), count - ofKey.size());
    }
}
