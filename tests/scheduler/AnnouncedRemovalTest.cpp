#include <gtest/gtest.h>

#include "TempFolder.h"
#include "scheduler/LaunchRecord.h"
#include "scheduler/ReminderRecord.h"
#include "scheduler/ScheduleEntry.h"
#include "scheduler/ScheduleFiles.h"
#include "settings/ProgramFolder.h"

// What a due check takes from the file after its notices: one record for
// each entry it announced, the first that reads as the entry, and nothing
// else; a record of the same day and time that it never showed stays.
namespace {

QByteArray reminder(double day, const char* time, const char* text) {
    ReminderRecord rec;
    rec.setDate(day);
    rec.setTime(QLatin1String(time));
    rec.setText(QString::fromUtf8(text));
    return rec.bytes();
}

QByteArray launch(double day, const char* time, const char* path) {
    LaunchRecord rec;
    rec.setDate(day);
    rec.setTime(QLatin1String(time));
    rec.setFile(QString::fromUtf8(path));
    return rec.bytes();
}

}  // namespace

TEST(AnnouncedRemoval, TakesOneRecordPerAnnouncedEntryAndNothingElse) {
    const QByteArray a = reminder(46091, "14:05", "A");
    const QByteArray b = reminder(46091, "14:05", "B");
    const QByteArray x = reminder(46091, "09:00", "X");
    const QByteArray y = reminder(46092, "14:05", "A");
    // A with a fraction of a day and other padding: read as A all the same.
    QByteArray otherBytesOfA = reminder(46091.75, "14:05", "A");
    otherBytesOfA.replace(165, 3, "pad");
    const QByteArray l1 = launch(46091, "08:00", "/bin/true");
    const QByteArray l2 = launch(46091, "08:00", "/bin/false");

    struct Case {
        const char* what;
        ScheduleKind kind;
        QList<QByteArray> file;
        QList<QByteArray> announced;
        QList<QByteArray> left;
    };
    const Case cases[] = {
        {"added for the same minute while the notice was open",
         ScheduleKind::Reminders,
         {a, b},
         {a},
         {b}},
        {"added before, never shown", ScheduleKind::Reminders, {b, a}, {a}, {b}},
        {"a twin added later", ScheduleKind::Reminders, {a, a}, {a}, {a}},
        {"both twins shown", ScheduleKind::Reminders, {a, a}, {a, a}, {}},
        {"amid other days and times", ScheduleKind::Reminders, {x, a, y, b}, {a}, {x, y, b}},
        {"every entry of the key, in any order", ScheduleKind::Reminders, {a, x, b}, {b, a}, {x}},
        {"only the bytes a reader ignores differ",
         ScheduleKind::Reminders,
         {otherBytesOfA, b},
         {a},
         {b}},
        {"gone from the file already", ScheduleKind::Reminders, {x, b}, {a}, {x, b}},
        {"a launch added for the same minute", ScheduleKind::Launches, {l1, l2}, {l1}, {l2}},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        const ProgramFolder programFolder(folder.root());
        const ScheduleFiles files(programFolder);
        const QString name = c.kind == ScheduleKind::Reminders ? QStringLiteral("system/napom.dat")
                                                               : QStringLiteral("system/run.dat");
        folder.write(name, c.file.join());
        ScheduleList announced;
        for (const QByteArray& record : c.announced) {
            announced << ScheduleEntry::fromRecord(c.kind, record);
        }
        EXPECT_TRUE(files.removeEntries(c.kind, announced)) << c.what;
        EXPECT_EQ(folder.read(name), c.left.join()) << c.what;
        EXPECT_EQ(folder.exists(name), !c.left.isEmpty()) << c.what;
    }
}
