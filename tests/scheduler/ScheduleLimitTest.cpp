#include <gtest/gtest.h>

#include "TempFolder.h"
#include "scheduler/LaunchRecord.h"
#include "scheduler/ReminderRecord.h"
#include "scheduler/ScheduleFiles.h"
#include "settings/ProgramFolder.h"

// The readers stop at ScheduleFiles::kMaxEntries records. A write that would
// put a record past them is refused whole, so nothing is ever added that no
// reader reads; up to the limit everything added is read.
TEST(ScheduleLimit, WritesThatWouldPassTheRecordsTheReadersReadAreRefused) {
    constexpr qsizetype kMax = ScheduleFiles::kMaxEntries;
    ReminderRecord oldReminder;
    oldReminder.setDate(46091);
    oldReminder.setTime(QStringLiteral("09:00"));
    oldReminder.setText(QStringLiteral("old"));
    ReminderRecord newReminder = oldReminder;
    newReminder.setText(QStringLiteral("new"));
    LaunchRecord oldLaunch;
    oldLaunch.setDate(46091);
    oldLaunch.setTime(QStringLiteral("09:00"));
    oldLaunch.setFile(QStringLiteral("/bin/old"));
    LaunchRecord newLaunch = oldLaunch;
    newLaunch.setFile(QStringLiteral("/bin/new"));

    struct Case {
        const char* what;
        ScheduleKind kind;
        qsizetype held;
        qsizetype adding;
        bool all;  // appendAll, as the import; else append, as the editors and the command line
        bool taken;
    };
    const Case cases[] = {
        {"a reminder up to the limit", ScheduleKind::Reminders, kMax - 1, 1, false, true},
        {"a reminder past it", ScheduleKind::Reminders, kMax, 1, false, false},
        {"a reminder to a file already past it", ScheduleKind::Reminders, kMax + 5, 1, false,
         false},
        {"a launch up to the limit", ScheduleKind::Launches, kMax - 1, 1, false, true},
        {"a launch past it", ScheduleKind::Launches, kMax, 1, false, false},
        {"imported up to the limit", ScheduleKind::Reminders, kMax - 3, 3, true, true},
        {"imported one past it", ScheduleKind::Reminders, kMax - 3, 4, true, false},
        {"more imported than the limit at once", ScheduleKind::Reminders, 0, kMax + 1, true, false},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        const ProgramFolder programFolder(folder.root());
        const ScheduleFiles files(programFolder);
        const bool reminders = c.kind == ScheduleKind::Reminders;
        const QString name =
            reminders ? QStringLiteral("system/napom.dat") : QStringLiteral("system/run.dat");
        const QByteArray old = reminders ? oldReminder.bytes() : oldLaunch.bytes();
        const QByteArray added = reminders ? newReminder.bytes() : newLaunch.bytes();
        const QByteArray before = old.repeated(c.held);
        if (c.held > 0) {
            folder.write(name, before);
        }
        const Expected<void> done =
            c.all ? files.appendAll(c.kind, QList<QByteArray>(c.adding, added))
                  : files.append(c.kind, added);
        if (!c.taken) {
            EXPECT_FALSE(done) << c.what;
            EXPECT_TRUE(done.error().contains(QString::number(kMax)))
                << c.what << ": " << done.error().toStdString();
            EXPECT_EQ(folder.read(name), before) << c.what;
            EXPECT_EQ(folder.exists(name), c.held > 0) << c.what;
            continue;
        }
        EXPECT_TRUE(done) << c.what << ": " << done.error().toStdString();
        const ScheduleList read = files.load(c.kind);
        ASSERT_EQ(read.size(), kMax) << c.what;
        EXPECT_EQ(read.last().textBytes(), ScheduleEntry::fromRecord(c.kind, added).textBytes())
            << c.what;
    }
}
