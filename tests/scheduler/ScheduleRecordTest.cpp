#include <gtest/gtest.h>

#include <QFile>

#include "TempFolder.h"
#include "scheduler/LaunchRecord.h"
#include "scheduler/ReminderRecord.h"
#include "scheduler/ScheduleEntry.h"
#include "settings/Cp1251.h"

namespace {
QByteArray fixture(const char* name) {
    QFile file(testData(QStringLiteral("scheduler/") + QLatin1String(name)));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}
}  // namespace

TEST(ScheduleRecords, BuiltRecordsAreByteExactWithZeroPadding) {
    ReminderRecord rem;
    rem.setDate(46091.0);
    rem.setTime(QStringLiteral("10:30"));
    rem.setText(QStringLiteral("Hello\nworld"));  // an edit field's lone LF is stored as CR LF
    EXPECT_EQ(rem.bytes(), fixture("built_reminder.bin"));
    rem.setText(QStringLiteral("Hello\r\nworld"));  // a CR LF pair stays one break
    EXPECT_EQ(rem.bytes(), fixture("built_reminder.bin"));

    LaunchRecord run;
    run.setDate(46091.0);
    run.setTime(QStringLiteral("08:00"));
    run.setFile(QStringLiteral("/usr/bin/xterm"));
    EXPECT_EQ(run.bytes(), fixture("built_launch.bin"));
}

TEST(ScheduleRecords, LongValuesAreCutToTheCapacities) {
    ReminderRecord rem;
    rem.setTime(QStringLiteral("10:30:45"));
    rem.setText(QString(200, QChar(u'ж')));
    EXPECT_EQ(rem.time(), QStringLiteral("10:30"));
    EXPECT_EQ(rem.text(), QString(150, QChar(u'ж')));
    EXPECT_EQ(rem.bytes().size(), ReminderRecord::kSize);

    // The cut counts stored bytes, so a line break costs two.
    rem.setText(QString(147, QLatin1Char('a')) + QStringLiteral("\nbc"));
    EXPECT_EQ(rem.textBytes(), QByteArray(147, 'a') + "\r\nb");

    LaunchRecord run;
    run.setFile(QLatin1Char('/') + QString(259, QLatin1Char('p')));
    EXPECT_EQ(run.file(), QLatin1Char('/') + QString(249, QLatin1Char('p')));
    EXPECT_EQ(run.bytes().size(), LaunchRecord::kSize);
}

TEST(ScheduleRecords, ReadingIgnoresUnusedBytesAndKeepsLineBreaksAsStored) {
    const QByteArray two = fixture("two_reminders.dat");
    const ReminderRecord first = ReminderRecord::fromBytes(two.left(168));
    EXPECT_DOUBLE_EQ(first.date(), 45000.914);
    EXPECT_EQ(first.time(), QStringLiteral("10:30"));
    EXPECT_EQ(first.text(), QStringLiteral("Купить хлеб"));
    const ReminderRecord second = ReminderRecord::fromBytes(two.mid(168));
    EXPECT_EQ(second.text(), QStringLiteral("line one\r\nline two"));

    // Another writer's lone LF is read as it is.
    ReminderRecord lf = ReminderRecord::fromBytes(two.mid(168));
    QByteArray bytes = lf.bytes();
    bytes[14] = char(9);
    bytes.replace(15, 9, "a\nb\nc\nd\ne");
    EXPECT_EQ(ReminderRecord::fromBytes(bytes).text(), QStringLiteral("a\nb\nc\nd\ne"));

    // Length bytes above the capacity read the capacity and nothing beyond.
    const ReminderRecord over = ReminderRecord::fromBytes(fixture("length_overflow.dat"));
    EXPECT_EQ(over.time(), QStringLiteral("12:00"));
    EXPECT_EQ(over.text(), QString(150, QLatin1Char('x')));

    // A short array never makes a reader look past it.
    EXPECT_EQ(LaunchRecord::fromBytes(QByteArray(10, '\x7f')).file(), QString());
}

TEST(ScheduleKeys, DayIgnoresTheFractionAndTimeMustMatchExactly) {
    const ScheduleKey key{QDate(2023, 3, 15), "10:30"};
    EXPECT_TRUE(key.matches(45000.914, "10:30"));
    EXPECT_TRUE(key.matches(45000.0, "10:30"));
    EXPECT_FALSE(key.matches(45001.0, "10:30"));
    EXPECT_FALSE(key.matches(45000.0, "10:3"));
    EXPECT_FALSE(key.matches(45000.0, "10:30 "));
    // A one-digit hour is a different text, never the same minute.
    EXPECT_FALSE((ScheduleKey{QDate(2023, 3, 15), "7:05"}).matches(45000.0, "07:05"));

    const QByteArray two = fixture("two_reminders.dat");
    const ScheduleEntry entry = ScheduleEntry::fromRecord(ScheduleKind::Reminders, two.left(168));
    EXPECT_EQ(entry.day(), QDate(2023, 3, 15));
    EXPECT_EQ(entry.key(), key);
}
