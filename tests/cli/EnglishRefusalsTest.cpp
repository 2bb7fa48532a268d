#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QDir>
#include <QProcess>
#include <functional>
#include <memory>

#include "HeldReminders.h"
#include "TempFolder.h"
#include "scheduler/ReminderRecord.h"
#include "scheduler/ScheduleFiles.h"
#include "settings/DayCount.h"
#include "settings/FolderLock.h"

// The program run as a command: the refusals that come from the schedule
// files, the entry checks and the file layer, shared with the windows,
// reach the terminal in English, as the command line's own words and its
// --help do, with nothing Russian left in them.
namespace {

struct Said {
    int status = -1;
    QString err;
};

Said run(const TempFolder& folder, const QStringList& arguments) {
    QProcess chronidex;
    chronidex.setProgram(QStringLiteral(CHRONIDEX_BIN));
    // Relative paths are the folder's.
    chronidex.setWorkingDirectory(folder.root());
    chronidex.setArguments(QStringList{QStringLiteral("--folder"), folder.root()} + arguments);
    chronidex.start();
    // Generous: it only catches a hang. A held lock is waited for 3 s.
    EXPECT_TRUE(chronidex.waitForFinished(60000)) << arguments.join(' ').toStdString();
    return {chronidex.exitCode(), QString::fromUtf8(chronidex.readAllStandardError())};
}

bool hasCyrillic(const QString& text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.script() == QChar::Script_Cyrillic; });
}

// Makes what a row needs in the folder; what it gives is kept until the run ends.
using Preparation = std::function<std::shared_ptr<void>(const TempFolder&)>;

std::shared_ptr<void> nothing(const TempFolder&) {
    return {};
}

}  // namespace

// Each row's whole standard error; "{folder}" stands for the program folder.
TEST(EnglishRefusals, TheCoresFailuresReachTheTerminalInEnglish) {
    const QString longName = QString(240, QLatin1Char('p'));
    const auto made = [](const char* folder) {
        return [folder](const TempFolder& f) {
            QDir(f.root()).mkpath(QLatin1String(folder));
            return std::shared_ptr<void>();
        };
    };
    const struct {
        const char* what;
        Preparation setup;
        QStringList arguments;
        QString said;
    } cases[] = {
        {"a character outside the schedule's code page",
         nothing,
         {"remind", "10:00", "20.05.2030", "meeting", "中文"},
         "These characters cannot be stored in the schedule: \"中\" (U+4E2D), \"文\" (U+6587). "
         "Replace or remove them."},
        {"a reminder's text too long",
         nothing,
         {"remind", "10:00", "20.05.2030", QString(151, QLatin1Char('x'))},
         "The reminder's text is longer than 150 characters (a line break counts as two)."},
        {"a launch's path too long",
         [&](const TempFolder& f) {
             made("programs")(f);
             f.write(QStringLiteral("programs/") + longName, "#!/bin/sh\n");
             return std::shared_ptr<void>();
         },
         {"launch", "10:00", "20.05.2030", QStringLiteral("programs/") + longName},
         "A path longer than 250 characters does not fit in the schedule:\n{folder}/programs/" +
             longName},
        {"an hour past 23",
         nothing,
         {"remind", "24:00", "20.05.2030", "late"},
         "The hour must be a number from 0 to 23, not \"24\"."},
        {"minutes past 59",
         nothing,
         {"remove", "reminder", "20.05.2030", "10:60"},
         "The minutes must be a number from 0 to 59, not \"60\"."},
        {"a folder under the reminders' name",
         made("system/napom.dat"),
         {"remind", "10:00", "20.05.2030", "text"},
         "Cannot open the schedule file {folder}/system/napom.dat: it is a folder"},
        {"a pipe under the launches' name",
         [](const TempFolder& f) {
             ::mkfifo(QFile::encodeName(f.path(QStringLiteral("system/run.dat"))).constData(),
                      0600);
             return std::shared_ptr<void>();
         },
         {"remove", "launch", "20.05.2030", "10:00"},
         "Cannot open the schedule file {folder}/system/run.dat: it is not a regular file"},
        {"the schedule folder held by another writer",
         [](const TempFolder& f) {
             return std::shared_ptr<void>(
                 std::make_shared<FolderLock>(f.path(QStringLiteral("system"))));
         },
         {"remind", "10:00", "20.05.2030", "text"},
         "The schedule file {folder}/system/napom.dat is in use by another program; try again."},
        {"a schedule at its record limit",
         [](const TempFolder& f) {
             f.write(QStringLiteral("system/napom.dat"), heldReminders(ScheduleFiles::kMaxEntries));
             return std::shared_ptr<void>();
         },
         {"remind", "10:00", "20.05.2030", "one more"},
         "The schedule file {folder}/system/napom.dat holds 100000 entries; 1 more would pass the "
         "limit of 100000 entries beyond which the file is not read. Nothing was added."},
        {"a folder under the repeat rules' name",
         made("system/repeat.dat"),
         {"remind", "--repeat", "daily", "10:00", "20.05.2030", "pills"},
         "Cannot read the repeat rule file {folder}/system/repeat.dat: it is a folder"},
        {"an export onto the program's own files",
         nothing,
         {"export", "--all", "system/napom.dat"},
         "Cannot write system/napom.dat: it lies in the program's own system folder "
         "{folder}/system."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const TempFolder folder;
        const std::shared_ptr<void> kept = c.setup(folder);
        const Said said = run(folder, c.arguments);
        EXPECT_EQ(said.status, 1);
        QString expected = c.said;
        expected.replace(QStringLiteral("{folder}"), folder.root());
        EXPECT_EQ(said.err, QStringLiteral("chronidex: ") + expected + QLatin1Char('\n'));
        EXPECT_FALSE(hasCyrillic(said.err));
    }
}
