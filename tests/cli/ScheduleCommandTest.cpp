#include <gtest/gtest.h>

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <limits>

#include <QFile>
#include <QTextStream>

#include "FileKinds.h"
#include "TempFolder.h"
#include "ZoneGuard.h"
#include "cli/ScheduleCommand.h"
#include "platform/ReloadNotifier.h"
#include "scheduler/LaunchRecord.h"
#include "scheduler/ReminderRecord.h"
#include "scheduler/ScheduleFiles.h"
#include "settings/Cp1251.h"
#include "settings/DayCount.h"
#include "settings/ProgramFolder.h"
#include "texts/TextLanguage.h"

namespace {

class RecordingNotifier : public ReloadNotifier {
  public:
    bool askReload(const QString& schedule) override {
        asked << schedule;
        return true;
    }
    QStringList asked;
};

ReminderRecord reminder(const QDate& day, const QString& time, const QString& text) {
    ReminderRecord rec;
    rec.setDate(daycount::fromDate(day));
    rec.setTime(time);
    rec.setText(text);
    return rec;
}

LaunchRecord launch(const QDate& day, const QString& time, const QString& path) {
    LaunchRecord rec;
    rec.setDate(daycount::fromDate(day));
    rec.setTime(time);
    rec.setFile(path);
    return rec;
}

class ScheduleCommandTest : public ::testing::Test {
  protected:
    // In English, as the program's entry sets it for the command line.
    ScheduleCommandTest() { texts::speakEnglish(); }

    // Half past noon, so that the morning has passed and the evening is ahead.
    const QDateTime now{QDate(2026, 3, 14), QTime(12, 30, 20)};
    const QDate later{2027, 5, 20};

    int run(const QStringList& arguments) {
        out.clear();
        err.clear();
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        ScheduleCommand command(folder.root(), now, outStream, errStream, notifier);
        const int status = command.run(QStringList{QStringLiteral("chronidex")} + arguments);
        outStream.flush();
        errStream.flush();
        return status;
    }
    QByteArray reminders() const { return folder.read(QStringLiteral("system/napom.dat")); }
    QByteArray launches() const { return folder.read(QStringLiteral("system/run.dat")); }

    TempFolder folder;
    RecordingNotifier notifier;
    QString out;
    QString err;
};

}  // namespace

TEST_F(ScheduleCommandTest, RemindAppendsTheRecordTheEditorWritesAndAsksForAReload) {
    EXPECT_EQ(run({"remind", "18:05", "20.05.2027", "Позвонить", "маме"}), 0) << err.toStdString();
    QByteArray expected = reminder(later, "18:05", "Позвонить маме").bytes();
    EXPECT_EQ(reminders(), expected);
    EXPECT_EQ(notifier.asked, QStringList{QStringLiteral("reminders")});

    // Without a day, today; one-digit fields are stored with two digits, as
    // the editor stores them; the current minute has not passed yet.
    EXPECT_EQ(run({"remind", "23:5", "-", "a", "dash"}), 0) << err.toStdString();
    EXPECT_EQ(run({"remind", "12:30", "now"}), 0) << err.toStdString();
    expected += reminder(now.date(), "23:05", "- a dash").bytes();
    expected += reminder(now.date(), "12:30", "now").bytes();
    EXPECT_EQ(reminders(), expected);
    EXPECT_TRUE(err.isEmpty());
    EXPECT_FALSE(folder.exists(QStringLiteral("system/run.dat")));
}

TEST_F(ScheduleCommandTest, LaunchStoresTheAbsolutePathOfAnExistingFile) {
    folder.write(QStringLiteral("job.sh"), "#!/bin/sh\n");
    EXPECT_EQ(run({"launch", "07:00", "01.01.2027", "job.sh"}), 0) << err.toStdString();
    EXPECT_EQ(launches(),
              launch(QDate(2027, 1, 1), "07:00", folder.path(QStringLiteral("job.sh"))).bytes());
    EXPECT_EQ(notifier.asked, QStringList{QStringLiteral("launches")});
    EXPECT_FALSE(folder.exists(QStringLiteral("system/napom.dat")));
}

TEST_F(ScheduleCommandTest, EveryRefusalLeavesBothFilesByteForByteAndAsksNothing) {
    const QByteArray oldReminders = reminder(later, "09:00", "старое").bytes() + "\x01\x02";
    const QByteArray oldLaunches = launch(later, "09:00", "/bin/true").bytes();
    folder.write(QStringLiteral("system/napom.dat"), oldReminders);
    folder.write(QStringLiteral("system/run.dat"), oldLaunches);
    const QString longPath = QStringLiteral("d/") + QString(250, QLatin1Char('p'));
    QDir(folder.root()).mkpath(QStringLiteral("d"));
    folder.write(longPath, "x");
    folder.write(QStringLiteral("файл€"), "x");
    folder.write(QStringLiteral("日本"), "x");

    const QList<QStringList> refused{
        {"remind", "24:00", "late"},
        {"remind", "10:60", "late"},
        {"remind", "ab:00", "letters"},
        {"remind", "1030", "no colon"},
        {"remind", "12:29", "a minute ago"},
        {"remind", "08:00", "31.02.2027", "no such day"},
        {"remind", "10:00", later.toString("dd.MM.yyyy"), QString(151, QLatin1Char('x'))},
        {"remind", "10:00", later.toString("dd.MM.yyyy"),
         QString(149, QLatin1Char('x')) + QStringLiteral("\ny")},
        {"remind", "10:00", "20.05.2027", "встреча", "中文", "😀"},
        {"launch", "25:00", "20.05.2027", "/bin/sh"},
        {"launch", "08:00", "/bin/sh"},
        {"launch", "10:00", "20.05.2027", "missing-file"},
        {"launch", "10:00", "20.05.2027", "d"},  // a folder
        {"launch", "10:00", "20.05.2027", longPath},
        {"launch", "10:00", "20.05.2027", "日本"},
        {"remove", "reminder", "20.05.2027", "09:01"},
        {"remove", "launch", "32.05.2027", "09:00"},
        {"remove", "launch", "20.05.2027", "9"},
        {"remind", "10:00", "20.05.2027", "--repeat", "hourly", "x"},
    };
    for (const QStringList& arguments : refused) {
        const std::string shown = arguments.join(' ').toStdString();
        EXPECT_EQ(run(arguments), 1) << shown;
        EXPECT_FALSE(err.isEmpty()) << shown;
        EXPECT_EQ(reminders(), oldReminders) << shown;
        EXPECT_EQ(launches(), oldLaunches) << shown;
    }
    EXPECT_TRUE(notifier.asked.isEmpty());
    // The refusals name what is wrong.
    EXPECT_EQ(run({"remind", "10:00", "20.05.2027", "встреча", "中文", "😀"}), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("\"中\" (U+4E2D)")));
    EXPECT_TRUE(err.contains(QStringLiteral("\"😀\" (U+1F600)")));
    EXPECT_FALSE(err.contains(QStringLiteral("\"в\"")));
    EXPECT_EQ(run({"remind", "12:29", "a minute ago"}), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("DD.MM.YYYY")));
    // A cp1251 path, the euro sign included, is stored.
    EXPECT_EQ(run({"launch", "10:00", "20.05.2027", "файл€"}), 0) << err.toStdString();
}

TEST_F(ScheduleCommandTest, UsageErrorsEndWithStatusTwoAndTouchNothing) {
    const QList<QStringList> wrong{
        {},
        {"frobnicate"},
        {"--frobnicate", "list"},
        {"remind", "10:00"},
        {"remind", "10:00", "20.05.2027"},
        {"launch", "10:00", "20.05.2027", "/bin/sh", "/bin/ls"},
        {"list", "--everything"},
        {"remove", "reminder", "20.05.2027"},
        {"remove", "alarm", "20.05.2027", "10:00"},
        {"export", "--everything"},
        {"export", "a.ics", "b.ics"},
        {"remind", "10:00", "--repeat"},
    };
    for (const QStringList& arguments : wrong) {
        EXPECT_EQ(run(arguments), 2) << arguments.join(' ').toStdString();
        EXPECT_TRUE(err.contains(QStringLiteral("--help")));
    }
    EXPECT_FALSE(folder.exists(QStringLiteral("system/napom.dat")));
    EXPECT_FALSE(folder.exists(QStringLiteral("system/run.dat")));

    EXPECT_EQ(run({"--help"}), 0);
    EXPECT_TRUE(out.contains(QStringLiteral("remind HH:MM [DD.MM.YYYY] [--repeat RULE] TEXT")));
    EXPECT_EQ(run({"-v"}), 0);
    EXPECT_TRUE(out.startsWith(QStringLiteral("chronidex ")));
    // A folder without the program's system folder is not taken for one.
    EXPECT_EQ(run({"--folder", "elsewhere", "list"}), 1);
}

TEST_F(ScheduleCommandTest, OnlyWordsAndItsOwnOptionsTurnTheProgramIntoTheCommandLine) {
    EXPECT_FALSE(ScheduleCommand::wanted({"chronidex"}));
    EXPECT_FALSE(ScheduleCommand::wanted({"chronidex", "-platform", "offscreen"}));
    EXPECT_TRUE(ScheduleCommand::wanted({"chronidex", "list"}));
    EXPECT_TRUE(ScheduleCommand::wanted({"chronidex", "typo"}));
    EXPECT_TRUE(ScheduleCommand::wanted({"chronidex", "--help"}));
    EXPECT_TRUE(ScheduleCommand::wanted({"chronidex", "--folder=/tmp", "list"}));
}

TEST_F(ScheduleCommandTest, ListPrintsTheScheduleListsOrderOneTabSeparatedLineEach) {
    folder.write(QStringLiteral("system/napom.dat"),
                 reminder(later, "18:00", "ужин\nв\tсемь").bytes() +
                     reminder(QDate(2026, 3, 14), "18:00", "сегодня").bytes() +
                     reminder(later, "07:30", "утро").bytes());
    folder.write(QStringLiteral("system/run.dat"),
                 launch(later, "08:00", "/usr/bin/backup").bytes());
    ASSERT_EQ(run({"list"}), 0) << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("reminder\t2026-03-14\t18:00\tсегодня\n"
                                  "reminder\t2027-05-20\t07:30\tутро\n"
                                  "launch\t2027-05-20\t08:00\t/usr/bin/backup\n"
                                  "reminder\t2027-05-20\t18:00\tужин\\nв\\tсемь\n"));
    ASSERT_EQ(run({"list", "--launches"}), 0);
    EXPECT_EQ(out, QStringLiteral("launch\t2027-05-20\t08:00\t/usr/bin/backup\n"));
    ASSERT_EQ(run({"--folder", folder.root(), "list", "--reminders"}), 0);
    EXPECT_EQ(out.count(QLatin1Char('\n')), 3);
    EXPECT_FALSE(out.contains(QStringLiteral("launch")));
    EXPECT_TRUE(notifier.asked.isEmpty());
}

// Reminders unless asked otherwise, to standard output or a file; a word too
// many or an unknown option is a usage error.
TEST_F(ScheduleCommandTest, ExportWritesTheAskedKindsWhereTold) {
    folder.write(QStringLiteral("system/napom.dat"), reminder(later, "18:00", "ужин").bytes());
    folder.write(QStringLiteral("system/run.dat"),
                 launch(later, "08:00", "/usr/bin/backup").bytes());
    struct Case {
        QStringList arguments;
        int status;
        int events;  // in what was written
        bool launch;
    };
    const Case cases[] = {
        {{"export"}, 0, 1, false},
        {{"export", "--launches"}, 0, 1, true},
        {{"export", "--all"}, 0, 2, true},
        {{"export", "--reminders", "--launches"}, 0, 2, true},
        {{"export", "--all", "out.ics"}, 0, 2, true},
        {{"export", "a.ics", "b.ics"}, 2, 0, false},
        {{"export", "--everything"}, 2, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        QFile::remove(folder.path(QStringLiteral("out.ics")));
        ASSERT_EQ(run(c.arguments), c.status) << err.toStdString();
        const QString written = c.arguments.last().endsWith(QStringLiteral(".ics")) && c.status == 0
                                    ? QString::fromUtf8(folder.read(QStringLiteral("out.ics")))
                                    : out;
        EXPECT_EQ(written.count(QStringLiteral("BEGIN:VEVENT")), c.events);
        EXPECT_EQ(written.contains(QStringLiteral("X-CHRONIDEX-LAUNCH")), c.launch);
    }
    EXPECT_TRUE(notifier.asked.isEmpty());
}

// For scripts, the same entries in the same order as JSON, the texts whole.
TEST_F(ScheduleCommandTest, ListAsJsonGivesTheSameEntriesWithStableFields) {
    ReminderRecord noDay = reminder(later, "09:00", "без дня");
    noDay.setDate(std::numeric_limits<double>::quiet_NaN());
    folder.write(QStringLiteral("system/napom.dat"),
                 reminder(later, "18:00", "ужин\nв\tсемь").bytes() + noDay.bytes());
    folder.write(QStringLiteral("system/run.dat"),
                 launch(later, "08:00", "/usr/bin/backup").bytes());
    const auto listed = [&](const QStringList& arguments) {
        EXPECT_EQ(run(arguments), 0) << err.toStdString();
        QJsonParseError error;
        const QJsonDocument doc = QJsonDocument::fromJson(out.toUtf8(), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << out.toStdString();
        return doc.array();
    };
    const QJsonObject backup{
        {"kind", "launch"}, {"date", "2027-05-20"}, {"time", "08:00"}, {"path", "/usr/bin/backup"}};
    const QJsonArray all = listed({"list", "--json"});
    ASSERT_EQ(all.size(), 3);
    EXPECT_EQ(all[0].toObject(), (QJsonObject{{"kind", "reminder"},
                                              {"date", QJsonValue::Null},
                                              {"time", "09:00"},
                                              {"text", "без дня"},
                                              {"repeat", QJsonValue::Null}}));
    EXPECT_EQ(all[1].toObject(), backup);
    EXPECT_EQ(all[2].toObject(), (QJsonObject{{"kind", "reminder"},
                                              {"date", "2027-05-20"},
                                              {"time", "18:00"},
                                              {"text", "ужин\nв\tсемь"},
                                              {"repeat", QJsonValue::Null}}));
    EXPECT_EQ(listed({"list", "--launches", "--json"}), QJsonArray{backup});
    TempFolder empty;
    QDir(empty.root()).mkpath(QStringLiteral("system"));
    EXPECT_EQ(listed({"--folder", empty.root(), "list", "--json"}), QJsonArray());
}

TEST_F(ScheduleCommandTest, RemoveTakesEveryEntryOfTheKeyAndLeavesTheOthersWhole) {
    const QByteArray keep = reminder(later, "18:01", "другое время").bytes() +
                            reminder(later.addDays(1), "18:00", "другой день").bytes();
    folder.write(QStringLiteral("system/napom.dat"),
                 reminder(later, "18:00", "первое").bytes() + keep.left(168) +
                     reminder(later, "18:00", "второе").bytes() + keep.mid(168));
    const QByteArray launches = launch(later, "18:00", "/bin/true").bytes();
    folder.write(QStringLiteral("system/run.dat"), launches);

    EXPECT_EQ(run({"remove", "reminder", "20.05.2027", "18:00"}), 0) << err.toStdString();
    EXPECT_EQ(reminders(), keep);
    EXPECT_EQ(this->launches(), launches);  // the other kind's entry of the key stays
    EXPECT_EQ(notifier.asked, QStringList{QStringLiteral("reminders")});
    EXPECT_FALSE(folder.exists(QStringLiteral("system/nappr.dat")));

    EXPECT_EQ(run({"remove", "launches", "20.05.2027", "18:00"}), 0) << err.toStdString();
    EXPECT_FALSE(folder.exists(QStringLiteral("system/run.dat")));  // nothing left
    EXPECT_EQ(notifier.asked.last(), QStringLiteral("launches"));
}

// The items of a calendar go after the records there, as the editor writes
// them; a file that is no calendar is refused in a line and leaves napom.dat
// byte for byte.
TEST_F(ScheduleCommandTest, ImportAppendsEveryItemOrNothing) {
    const QByteArray old = reminder(later, "18:00", "ужин").bytes();
    struct Case {
        const char* file;
        int status;
        QByteArray added;
        int problems;  // lines on standard error
    };
    const Case cases[] = {
        {"outlook-cyrillic.ics", 0,
         reminder(QDate(2027, 2, 1), "07:00", "Купить молоко, хлеб\nи сыр").bytes() +
             reminder(QDate(2027, 2, 2), "07:00",
                      "Проверить отчёт по проекту «Север» до пятницы и отправить его "
                      "руководителю отдела вместе с замечаниями")
                 .bytes(),
         0},
        {"chinese.ics", 0, reminder(QDate(2027, 2, 3), "12:00", "Lunch").bytes(), 2},
        {"not-a-calendar.txt", 1, {}, 1},
        {"truncated.ics", 1, {}, 1},
        {"bad-value.ics", 1, {}, 1},
        {"garbage-line.ics", 1, {}, 1},
        {"latin1.ics", 1, {}, 1},
        {"event-alone.ics", 1, {}, 1},
        {"no-such-file.ics", 1, {}, 1},
    };
    const ZoneGuard zone("UTC");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        folder.write(QStringLiteral("system/napom.dat"), old);
        notifier.asked.clear();
        EXPECT_EQ(run({"import", testData(QStringLiteral("ical/") + QLatin1String(c.file))}),
                  c.status);
        EXPECT_EQ(reminders(), old + c.added);
        EXPECT_EQ(err.count(QLatin1Char('\n')), c.problems) << err.toStdString();
        EXPECT_EQ(notifier.asked.isEmpty(), c.added.isEmpty());
        EXPECT_EQ(out.isEmpty(), c.status != 0);
    }
    // The same file again adds nothing twice, and says so.
    const QString again = testData(QStringLiteral("ical/chinese.ics"));
    EXPECT_EQ(run({"import", again}), 0);
    EXPECT_EQ(run({"import", again}), 0);
    EXPECT_EQ(reminders().size(), 168 * 2);
    EXPECT_TRUE(err.contains(QStringLiteral("1 of the reminders are in the schedule already")));
    EXPECT_EQ(run({"import"}), 2);
    EXPECT_EQ(run({"import", "a.ics", "b.ics"}), 2);
}

// With as many records as the readers read, every writer of the command line
// refuses, with status 1 and nothing written or asked; one record fewer and
// it adds what still fits.
TEST_F(ScheduleCommandTest, WritersStopAtTheRecordsTheReadersRead) {
    constexpr qsizetype kMax = ScheduleFiles::kMaxEntries;
    folder.write(QStringLiteral("job.sh"), "#!/bin/sh\n");
    const QString twoItems = testData(QStringLiteral("ical/outlook-cyrillic.ics"));
    struct Case {
        QStringList arguments;
        bool reminders;  // else launches
        qsizetype held;
        int status;
    };
    const Case cases[] = {
        {{"remind", "10:00", "20.05.2027", "last"}, true, kMax - 1, 0},
        {{"remind", "10:00", "20.05.2027", "one too many"}, true, kMax, 1},
        {{"launch", "10:00", "20.05.2027", "job.sh"}, false, kMax - 1, 0},
        {{"launch", "10:00", "20.05.2027", "job.sh"}, false, kMax, 1},
        {{"import", twoItems}, true, kMax - 2, 0},
        {{"import", twoItems}, true, kMax - 1, 1},
    };
    const ZoneGuard zone("UTC");
    for (const Case& c : cases) {
        const std::string shown =
            c.arguments.join(' ').toStdString() + " onto " + std::to_string(c.held);
        const QString name =
            c.reminders ? QStringLiteral("system/napom.dat") : QStringLiteral("system/run.dat");
        const QByteArray held = (c.reminders ? reminder(later, "09:00", "old").bytes()
                                             : launch(later, "09:00", "/bin/old").bytes())
                                    .repeated(c.held);
        folder.write(name, held);
        notifier.asked.clear();
        EXPECT_EQ(run(c.arguments), c.status) << shown << ": " << err.toStdString();
        const ScheduleList read =
            ScheduleFiles(ProgramFolder(folder.root()))
                .load(c.reminders ? ScheduleKind::Reminders : ScheduleKind::Launches);
        if (c.status == 0) {
            EXPECT_EQ(read.size(), kMax) << shown;  // every one added is read
            EXPECT_FALSE(notifier.asked.isEmpty()) << shown;
        } else {
            EXPECT_TRUE(err.contains(QString::number(kMax))) << shown << ": " << err.toStdString();
            EXPECT_EQ(folder.read(name), held) << shown;
            EXPECT_TRUE(notifier.asked.isEmpty()) << shown;
            EXPECT_TRUE(out.isEmpty()) << shown;
        }
        QFile::remove(folder.path(name));
    }
}

// A hundred reminders through an iCalendar file into an empty program
// folder, in a zone with summer time: the same records, byte for byte.
TEST_F(ScheduleCommandTest, ExportedRemindersImportAsTheSameRecords) {
    const ZoneGuard zone("Europe/Paris");
    QByteArray records;
    for (int i = 0; i < 100; ++i) {
        QString text = QStringLiteral("Напоминание %1; запятая, «кавычки» \\ и:двоеточие").arg(i);
        if (i % 10 == 3) {
            text += QStringLiteral("\nвторая строка");
        }
        if (i % 10 == 7) {
            text = QString(149, QChar(u'я')) + QString::number(i % 10);  // all 150 bytes
        }
        records +=
            reminder(later.addDays(i * 4 - 180), QTime(i % 24, i * 7 % 60).toString("HH:mm"), text)
                .bytes();
    }
    folder.write(QStringLiteral("system/napom.dat"), records);
    ASSERT_EQ(run({"export", "round.ics"}), 0) << err.toStdString();
    TempFolder empty;
    ASSERT_EQ(run({"--folder", empty.root(), "import", folder.path(QStringLiteral("round.ics"))}),
              0)
        << err.toStdString();
    EXPECT_EQ(err, QString());
    EXPECT_EQ(empty.read(QStringLiteral("system/napom.dat")), records);
}

// An export onto a file of the system folder would replace the schedules or
// the settings with calendar text: refused in a line, with status 1, however
// the name reaches there, and nothing is written. Elsewhere, a link is
// written through as before.
TEST_F(ScheduleCommandTest, ExportRefusesEveryFileOfTheSystemFolderByItsRealPath) {
    const QByteArray oldReminders = reminder(later, "18:00", "ужин").bytes();
    const QByteArray oldLaunches = launch(later, "08:00", "/usr/bin/backup").bytes();
    folder.write(QStringLiteral("system/napom.dat"), oldReminders);
    folder.write(QStringLiteral("system/run.dat"), oldLaunches);
    QTemporaryDir elsewhere;
    const QString system = folder.path(QStringLiteral("system"));
    const auto link = [&](const QString& target, const QString& name) {
        ASSERT_TRUE(QFile::link(target, folder.path(name))) << name.toStdString();
    };
    link(system, QStringLiteral("sys-link"));
    link(folder.path(QStringLiteral("system/napom.dat")), QStringLiteral("napom-link.ics"));
    link(folder.path(QStringLiteral("system/new.ics")), QStringLiteral("dangling.ics"));
    link(folder.path(QStringLiteral("napom-link.ics")), QStringLiteral("chain.ics"));
    link(elsewhere.path() + QStringLiteral("/out.ics"), QStringLiteral("outside-link.ics"));
    const QStringList systemFiles = QDir(system).entryList(QDir::AllEntries | QDir::System);

    const struct {
        QStringList arguments;
        int status;
    } cases[] = {
        {{"export", "--all", "system/napom.dat"}, 1},
        {{"export", "--launches", "system/run.dat"}, 1},
        {{"export", "system/system.ini"}, 1},
        {{"export", "system/new.ics"}, 1},
        {{"export", "system/../system/napom.dat"}, 1},
        {{"export", "skins/../system/./run.dat"}, 1},
        {{"export", "sys-link/napom.dat"}, 1},
        {{"export", "napom-link.ics"}, 1},
        {{"export", "chain.ics"}, 1},
        {{"export", "dangling.ics"}, 1},
        {{"export", folder.path(QStringLiteral("system/napom.dat"))}, 1},
        {{"export", "--all", "out.ics"}, 0},
        {{"export", "outside-link.ics"}, 0},
        {{"export", "skins/out.ics"}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        EXPECT_EQ(run(c.arguments), c.status) << err.toStdString();
        EXPECT_EQ(err.count(QLatin1Char('\n')), c.status) << err.toStdString();
        EXPECT_EQ(reminders(), oldReminders);
        EXPECT_EQ(launches(), oldLaunches);
        EXPECT_EQ(QDir(system).entryList(QDir::AllEntries | QDir::System), systemFiles);
    }
    EXPECT_TRUE(folder.read(QStringLiteral("out.ics")).startsWith("BEGIN:VCALENDAR"));
    EXPECT_TRUE(QFileInfo(folder.path(QStringLiteral("outside-link.ics"))).isSymLink());
    EXPECT_TRUE(filekinds::read(elsewhere.path() + QStringLiteral("/out.ics"))
                    .startsWith("BEGIN:VCALENDAR"));
    EXPECT_TRUE(notifier.asked.isEmpty());
}

// A pipe or a device as a schedule file: every command that changes it
// refuses at once with status 1 and says why, where the record went into
// /dev/null with status 0 or the import waited for ever on the pipe.
TEST_F(ScheduleCommandTest, CommandsThatChangeAScheduleRefuseOneThatIsNoRegularFile) {
    QTemporaryDir other;
    const filekinds::Elsewhere elsewhere(other.path());
    folder.write(QStringLiteral("job.sh"), "#!/bin/sh\n");
    const QString calendar = testData(QStringLiteral("ical/chinese.ics"));
    const ZoneGuard zone("UTC");
    const struct {
        QStringList arguments;
        const char* file;
    } commands[] = {
        {{"remind", "18:05", "20.05.2027", "text"}, "system/napom.dat"},
        {{"launch", "07:00", "01.01.2027", "job.sh"}, "system/run.dat"},
        {{"import", calendar}, "system/napom.dat"},
        {{"remove", "reminder", "20.05.2027", "18:05"}, "system/napom.dat"},
        {{"remove", "launch", "01.01.2027", "07:00"}, "system/run.dat"},
    };
    for (const filekinds::Kind kind :
         {filekinds::Kind::Fifo, filekinds::Kind::LinkToDevNull, filekinds::Kind::LinkToFifo}) {
        for (const auto& c : commands) {
            SCOPED_TRACE(std::string(filekinds::name(kind)) + ": " +
                         c.arguments.join(' ').toStdString());
            const QString path = folder.path(QLatin1String(c.file));
            QFile::remove(path);
            filekinds::plant(kind, path, elsewhere, "elsewhere");
            const QString was = filekinds::found(path);
            const int status =
                filekinds::unhung<int>([&] { return run(c.arguments); }, {path, elsewhere.pipe});
            EXPECT_EQ(status, 1);
            EXPECT_TRUE(err.contains(QStringLiteral("not a regular file"))) << err.toStdString();
            EXPECT_EQ(filekinds::found(path), was);
            EXPECT_TRUE(out.isEmpty()) << out.toStdString();
            EXPECT_TRUE(notifier.asked.isEmpty());
            QFile::remove(path);
        }
    }
}

// A text is shown as it is stored, but no character of it reaches the
// terminal as a control: a reminder cannot retitle, clear or move the
// user's terminal. Ordinary texts print as ever, and JSON keeps them whole.
TEST_F(ScheduleCommandTest, ListShowsControlCharactersEscaped) {
    const struct {
        QByteArray stored;  // code page 1251, as in the file
        const char* shown;
    } rows[] = {
        {cp1251::encode(QStringLiteral("Купить хлеб")), "Купить хлеб"},
        {"C:\\Programs\\first.exe", "C:\\Programs\\first.exe"},
        {"a\r\nb\nc\rd\te", "a\\nb\\nc\\rd\\te"},
        {"\x1b]0;owned\x07title", "\\e]0;owned\\x07title"},
        {"\x1b[2J\x1b[Hcleared", "\\e[2J\\e[Hcleared"},
        {QByteArray("nul\0byte", 8), "nul\\x00byte"},
        {"\x08\x7f\x98\x1f", "\\x08\\x7f\\x98\\x1f"},
        {"\x85\x96\xab\xbb", "…–«»"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.shown);
        QByteArray rec = reminder(later, "18:00", QString()).bytes();
        rec[14] = char(row.stored.size());
        rec.replace(15, row.stored.size(), row.stored);
        folder.write(QStringLiteral("system/napom.dat"), rec);
        ASSERT_EQ(run({"list", "--reminders"}), 0) << err.toStdString();
        EXPECT_EQ(out, QStringLiteral("reminder\t2027-05-20\t18:00\t") +
                           QString::fromUtf8(row.shown) + QLatin1Char('\n'));
        ASSERT_EQ(run({"list", "--reminders", "--json"}), 0);
        const QJsonArray json = QJsonDocument::fromJson(out.toUtf8()).array();
        ASSERT_EQ(json.size(), 1);
        QString whole = cp1251::decode(row.stored);
        whole.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        EXPECT_EQ(json[0].toObject()[QStringLiteral("text")].toString(), whole);
    }
}

TEST_F(ScheduleCommandTest, RemindRepeatKeepsTheRuleAndAnOrdinaryRecord) {
    const struct {
        QStringList arguments;
        const char* keyword;
        const char* described;
    } rows[] = {
        {{"remind", "18:00", "20.05.2027", "--repeat", "daily", "таблетки"}, "daily", "every day"},
        {{"remind", "18:00", "20.05.2027", "--repeat=workdays", "таблетки"},
         "workdays",
         "every working day"},
        {{"remind", "--repeat", "weekly", "18:00", "20.05.2027", "таблетки"},
         "weekly",
         "every week"},
        {{"remind", "18:00", "--repeat", "monthly", "таблетки"}, "monthly", "every month"},
        {{"remind", "18:00", "20.05.2027", "--repeat", "yearly", "таблетки"},
         "yearly",
         "every year"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.keyword);
        QFile::remove(folder.path(QStringLiteral("system/napom.dat")));
        QFile::remove(folder.path(QStringLiteral("system/repeat.dat")));
        ASSERT_EQ(run(row.arguments), 0) << err.toStdString();
        const QDate day = row.arguments.contains("20.05.2027") ? later : now.date();
        // "napom.dat" holds what a reminder without a rule would.
        EXPECT_EQ(reminders(), reminder(day, "18:00", "таблетки").bytes());
        ASSERT_EQ(run({"list"}), 0);
        EXPECT_EQ(out, QStringLiteral("reminder\t%1\t18:00\tтаблетки\t%2\n")
                           .arg(day.toString(Qt::ISODate), QLatin1String(row.described)));
        ASSERT_EQ(run({"list", "--json"}), 0);
        const QJsonArray listed = QJsonDocument::fromJson(out.toUtf8()).array();
        ASSERT_EQ(listed.size(), 1);
        EXPECT_EQ(listed[0].toObject().value("repeat").toString(), QLatin1String(row.keyword));
    }
}

TEST_F(ScheduleCommandTest, RemindRefusesARepeatThatIsNoRule) {
    const struct {
        QStringList arguments;
        int status;
        const char* says;
    } rows[] = {
        {{"remind", "18:00", "--repeat", "hourly", "x"}, 1, "\"hourly\" is no repeat rule"},
        {{"remind", "18:00", "--repeat=", "x"}, 2, "--repeat takes one of"},
        {{"remind", "18:00", "--repeat", "Daily", "x"}, 1, "\"Daily\" is no repeat rule"},
        {{"remind", "18:00", "--repeat"}, 2, "--repeat takes one of"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.arguments.join(' ').toStdString());
        EXPECT_EQ(run(row.arguments), row.status);
        EXPECT_TRUE(err.contains(QLatin1String(row.says))) << err.toStdString();
        EXPECT_FALSE(folder.exists(QStringLiteral("system/napom.dat")));
        EXPECT_FALSE(folder.exists(QStringLiteral("system/repeat.dat")));
        EXPECT_TRUE(notifier.asked.isEmpty());
    }
    // Further on, the words are the text's.
    ASSERT_EQ(run({"remind", "18:00", "take", "--repeat", "daily"}), 0) << err.toStdString();
    EXPECT_EQ(reminders(), reminder(now.date(), "18:00", "take --repeat daily").bytes());
    ASSERT_EQ(run({"list"}), 0);
    EXPECT_FALSE(out.contains(QStringLiteral("every day")));
}

TEST_F(ScheduleCommandTest, RemoveTakesTheRuleAlong) {
    ASSERT_EQ(run({"remind", "18:00", "20.05.2027", "--repeat", "daily", "a"}), 0);
    ASSERT_EQ(run({"remind", "19:00", "20.05.2027", "--repeat", "weekly", "b"}), 0);
    ASSERT_EQ(run({"remove", "reminder", "20.05.2027", "18:00"}), 0) << err.toStdString();
    // A reminder of the same day, time and text added later is an ordinary one.
    ASSERT_EQ(run({"remind", "18:00", "20.05.2027", "a"}), 0);
    ASSERT_EQ(run({"list"}), 0);
    EXPECT_EQ(out, QStringLiteral("reminder\t2027-05-20\t18:00\ta\n"
                                  "reminder\t2027-05-20\t19:00\tb\tevery week\n"));
}
