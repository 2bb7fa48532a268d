#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <functional>

#include "TempFolder.h"
#include "scheduler/LaunchRecord.h"
#include "scheduler/ReminderRecord.h"
#include "scheduler/ScheduleFileWatch.h"
#include "scheduler/ScheduleFiles.h"
#include "settings/ProgramFolder.h"

// The running clock hears of every change to a schedule file from the file
// system itself, whoever made it: appends in place, files created, replaced
// by a rename or deleted. Each change is told for its own schedule alone, and
// the folder's other files tell nothing.
TEST(ScheduleFileWatch, EveryChangeOfAScheduleFileIsToldForItsScheduleAlone) {
    TempFolder folder;
    const ProgramFolder programFolder(folder.root());
    const ScheduleFiles files(programFolder);
    QList<ScheduleKind> told;
    const ScheduleFileWatch watch(programFolder, [&](ScheduleKind kind) { told << kind; });
    ASSERT_TRUE(watch.holds());

    ReminderRecord reminder;
    reminder.setDate(46091);
    reminder.setTime(QStringLiteral("10:30"));
    reminder.setText(QStringLiteral("a"));
    LaunchRecord launch;
    launch.setDate(46091);
    launch.setTime(QStringLiteral("10:30"));
    launch.setFile(QStringLiteral("/bin/true"));
    const ScheduleKind reminders = ScheduleKind::Reminders;
    const ScheduleKind launches = ScheduleKind::Launches;
    const auto announced = [&](const ReminderRecord& rec) {
        return ScheduleList{ScheduleEntry::fromRecord(reminders, rec.bytes())};
    };

    struct Step {
        const char* what;
        std::function<void()> change;
        ScheduleKind kind;
    };
    const Step steps[] = {
        {"reminders created", [&] { (void)files.append(reminder); }, reminders},
        {"a reminder appended in place", [&] { (void)files.append(reminder); }, reminders},
        {"launches created", [&] { (void)files.append(launch); }, launches},
        {"reminders rewritten through the scratch file",
         [&] { (void)files.removeEntries(reminders, announced(reminder)); }, reminders},
        {"a launch appended in place", [&] { (void)files.append(launch); }, launches},
        {"reminders imported", [&] { (void)files.appendAll(reminders, {reminder.bytes()}); },
         reminders},
        {"a reminder appended to the renamed file", [&] { (void)files.append(reminder); },
         reminders},
        {"the settings file and then launches written",
         [&] {
             folder.write(QStringLiteral("system/system.ini"), QByteArray(60, '\0'));
             (void)files.append(launch);
         },
         launches},
        {"the reminders' file gone with its last records",
         [&] { (void)files.remove(reminders, reminder.key()); }, reminders},
        {"reminders created again", [&] { (void)files.append(reminder); }, reminders},
        {"another program appending in place",
         [&] {
             QFile file(folder.path(QStringLiteral("system/napom.dat")));
             ASSERT_TRUE(file.open(QIODevice::Append));
             file.write(reminder.bytes());
         },
         reminders},
    };
    for (const Step& step : steps) {
        told.clear();
        step.change();
        const QDeadlineTimer patience(5000);
        while (!told.contains(step.kind) && !patience.hasExpired()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        }
        EXPECT_TRUE(told.contains(step.kind)) << step.what;
        EXPECT_FALSE(told.contains(step.kind == reminders ? launches : reminders)) << step.what;
    }
}
