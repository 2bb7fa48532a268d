#include <gtest/gtest.h>

#include <sys/resource.h>
#include <csignal>
#include <future>
#include <thread>

#include <QDir>
#include <QFile>

#include "TempFolder.h"
#include "scheduler/LaunchRecord.h"
#include "scheduler/ReminderRecord.h"
#include "scheduler/ScheduleFileReader.h"
#include "scheduler/ScheduleFiles.h"
#include "settings/Cp1251.h"
#include "settings/FolderLock.h"
#include "settings/ProgramFolder.h"
#include "settings/SafeWrite.h"

namespace {

const QString kReminders = QStringLiteral("system/napom.dat");
const QString kReminderScratch = QStringLiteral("system/nappr.dat");
const QString kLaunches = QStringLiteral("system/run.dat");
const QString kLaunchScratch = QStringLiteral("system/runpr.dat");

QByteArray fixture(const QString& name) {
    QFile file(testData(QStringLiteral("scheduler/") + name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
    return file.readAll();
}

class ScheduleFilesTest : public ::testing::Test {
  protected:
    ScheduleFilesTest() = default;
    ~ScheduleFilesTest() override { safewrite::setFaultSeam({}); }

    ReminderRecord reminder(double day, const char* time, const QString& text) {
        ReminderRecord rec;
        rec.setDate(day);
        rec.setTime(QLatin1String(time));
        rec.setText(text);
        return rec;
    }

    TempFolder folder;
    ProgramFolder programFolder{folder.root()};
    ScheduleFiles files{programFolder};
};

}  // namespace

TEST_F(ScheduleFilesTest, LoadsWholeRecordsInFileOrder) {
    folder.write(kReminders, fixture(QStringLiteral("two_reminders.dat")));
    const ScheduleList list = files.load(ScheduleKind::Reminders);
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list[0].day(), QDate(2023, 3, 15));
    EXPECT_EQ(list[0].time(), QStringLiteral("10:30"));
    EXPECT_EQ(list[0].text(), QStringLiteral("Купить хлеб"));
    EXPECT_EQ(list[1].text(), QStringLiteral("line one\r\nline two"));

    folder.write(kLaunches, fixture(QStringLiteral("three_launches.dat")));
    const ScheduleList runs = files.load(ScheduleKind::Launches);
    ASSERT_EQ(runs.size(), 3);
    EXPECT_EQ(runs[0].text(), QStringLiteral("C:\\Programs\\first.exe"));
    EXPECT_EQ(runs[1].day(), QDate(2026, 3, 10));
    EXPECT_EQ(runs[2].time(), QStringLiteral("12:15"));
}

// The loaded entries keep their texts as stored bytes, side by side in one
// buffer: each must decode to exactly what its record says, whatever the
// lengths of its neighbours, and stay so in a copy that outlives the list.
TEST_F(ScheduleFilesTest, LoadedTextsDecodeAsTheirRecordsDo) {
    QList<QByteArray> texts = {QByteArray("Купить хлеб"),           QByteArray(),
                               QByteArray("line one\r\nline two"),  QByteArray(150, 'x'),
                               QByteArray("\x98\xff\x80 \xc0\x01"), QByteArray("z")};
    texts[0] = cp1251::encode(QString::fromUtf8(texts[0]));
    QByteArray reminders;
    QByteArray launches;
    for (const QByteArray& text : texts) {
        QByteArray rec = reminder(46091, "10:30", {}).bytes();
        rec[14] = char(text.size());
        rec.replace(15, text.size(), text);
        reminders += rec;
        QByteArray run(LaunchRecord::kSize, '\0');
        run.replace(0, 14, rec.left(14));
        const QByteArray path = text + text.left(100);  // past 150 bytes, up to 250
        run[14] = char(path.size());
        run.replace(15, path.size(), path);
        launches += run;
    }
    folder.write(kReminders, reminders);
    folder.write(kLaunches, launches);
    ScheduleEntry kept;
    {
        const ScheduleList list = files.load(ScheduleKind::Reminders);
        const ScheduleList runs = files.load(ScheduleKind::Launches);
        ASSERT_EQ(list.size(), texts.size());
        ASSERT_EQ(runs.size(), texts.size());
        for (qsizetype i = 0; i < texts.size(); ++i) {
            SCOPED_TRACE(i);
            const ReminderRecord rec = ReminderRecord::fromBytes(reminders.mid(i * 168, 168));
            EXPECT_EQ(list[i].text(), rec.text());
            EXPECT_EQ(list[i].textBytes(), texts[i]);
            const LaunchRecord run =
                LaunchRecord::fromBytes(launches.mid(i * LaunchRecord::kSize, LaunchRecord::kSize));
            EXPECT_EQ(runs[i].text(), run.file());
        }
        EXPECT_EQ(list[0].text(), QStringLiteral("Купить хлеб"));
        EXPECT_TRUE(list[1].text().isEmpty());
        EXPECT_EQ(list[4].text(), cp1251::decode(texts[4]));
        kept = list[2];
    }
    files.load(ScheduleKind::Reminders);  // the list the copy came from is gone
    EXPECT_EQ(kept.text(), QStringLiteral("line one\r\nline two"));
}

TEST_F(ScheduleFilesTest, DamagedMissingOrEmptyFilesLoadSafely) {
    // 168*3+100 bytes: the partial record is ignored.
    folder.write(kReminders, fixture(QStringLiteral("reminders_partial_tail.dat")));
    EXPECT_EQ(files.load(ScheduleKind::Reminders).size(), 3);

    // A reload replaces the list whole, also by an empty one.
    folder.write(kReminders, fixture(QStringLiteral("zero_length.dat")));
    EXPECT_TRUE(files.load(ScheduleKind::Reminders).isEmpty());

    folder.write(kReminders, QByteArray(100, 'x'));  // less than one record
    EXPECT_TRUE(files.load(ScheduleKind::Reminders).isEmpty());

    QFile::remove(folder.path(kReminders));
    EXPECT_TRUE(files.load(ScheduleKind::Reminders).isEmpty());
    EXPECT_FALSE(folder.exists(kReminders));  // loading creates nothing

    // Random bytes give whole records of nonsense, never a crash.
    folder.write(kReminders, fixture(QStringLiteral("random_bytes.bin")));
    folder.write(kLaunches, fixture(QStringLiteral("random_bytes.bin")));
    EXPECT_EQ(files.load(ScheduleKind::Reminders).size(), 4096 / 168);
    EXPECT_EQ(files.load(ScheduleKind::Launches).size(), 4096 / 272);

    // A folder in the file's place is no schedule and does not hang the reader.
    QFile::remove(folder.path(kLaunches));
    QDir(folder.root()).mkpath(kLaunches);
    EXPECT_TRUE(files.load(ScheduleKind::Launches).isEmpty());
}

TEST_F(ScheduleFilesTest, AppendCreatesAMissingFileWithOneWholeRecord) {
    ASSERT_TRUE(files.append(reminder(46091, "10:30", QStringLiteral("Hello\nworld"))));
    EXPECT_EQ(folder.read(kReminders), fixture(QStringLiteral("built_reminder.bin")));

    LaunchRecord run;
    run.setDate(46091);
    run.setTime(QStringLiteral("08:00"));
    run.setFile(QStringLiteral("/usr/bin/xterm"));
    ASSERT_TRUE(files.append(run));
    EXPECT_EQ(folder.read(kLaunches).size(), 272);
    EXPECT_EQ(folder.read(kLaunches), fixture(QStringLiteral("built_launch.bin")));
}

TEST_F(ScheduleFilesTest, AppendGoesAfterTheLastWholeRecordAndKeepsTheOthers) {
    const QByteArray old = fixture(QStringLiteral("reminders_partial_tail.dat"));
    folder.write(kReminders, old);
    const ReminderRecord rec = reminder(46095, "11:11", QStringLiteral("new"));
    ASSERT_TRUE(files.append(rec));
    const QByteArray now = folder.read(kReminders);
    ASSERT_EQ(now.size(), 168 * 4);
    EXPECT_EQ(now.left(168 * 3), old.left(168 * 3));
    EXPECT_EQ(now.mid(168 * 3), rec.bytes());
    EXPECT_EQ(files.load(ScheduleKind::Reminders).last().text(), QStringLiteral("new"));
}

TEST_F(ScheduleFilesTest, AppendFailuresAreToldAndLeaveNoHalfRecord) {
    // A disk that takes only part of the record: here a limit on the file's
    // size (a link to /dev/full is no schedule and refused before any write).
    const QByteArray old = reminder(46090, "09:00", QStringLiteral("old")).bytes() + "tail";
    folder.write(kReminders, old);
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit was = {};
    ::getrlimit(RLIMIT_FSIZE, &was);
    rlimit limit = was;
    limit.rlim_cur = 168 + 100;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);
    const Expected<void> added = files.append(reminder(46091, "10:30", QStringLiteral("x")));
    ::setrlimit(RLIMIT_FSIZE, &was);
    std::signal(SIGXFSZ, handler);
    EXPECT_FALSE(added);
    EXPECT_TRUE(added.error().contains(QStringLiteral("napom.dat"))) << added.error().toStdString();
    EXPECT_EQ(folder.read(kReminders), old.left(168));

    // Something that exists but is no file is not replaced by a new one.
    QDir(folder.root()).mkpath(kLaunches);
    EXPECT_TRUE(files.append(LaunchRecord()).error().contains(QStringLiteral("run.dat")));
    EXPECT_TRUE(QFileInfo(folder.path(kLaunches)).isDir());
}

TEST_F(ScheduleFilesTest, RemovalCopiesEveryByteOfTheKeptRecords) {
    const QByteArray old = fixture(QStringLiteral("two_reminders.dat"));
    folder.write(kReminders, old);
    ASSERT_TRUE(files.remove(ScheduleKind::Reminders, {QDate(2023, 3, 15), "10:30"}));
    EXPECT_EQ(folder.read(kReminders), old.mid(168));  // garbage tails and padding unchanged
    EXPECT_FALSE(folder.exists(kReminderScratch));
}

TEST_F(ScheduleFilesTest, RemovalDropsEveryRecordOfTheKeyOnTheSameDay) {
    // Day 46091 at 08:00 twice, once with a fraction of a day.
    const QByteArray old = fixture(QStringLiteral("three_launches.dat"));
    folder.write(kLaunches, old);
    EXPECT_TRUE(files.remove(ScheduleKind::Launches, {QDate(2026, 3, 10), "08:00"}));
    EXPECT_EQ(folder.read(kLaunches), old.mid(272 * 2));
    EXPECT_FALSE(folder.exists(kLaunchScratch));

    // Two records of one key and a partial tail: the rest stays whole.
    const QByteArray tail = fixture(QStringLiteral("reminders_partial_tail.dat"));
    folder.write(kReminders, tail);
    EXPECT_TRUE(files.remove(ScheduleKind::Reminders, {QDate(2026, 3, 10), "09:00"}));
    EXPECT_EQ(folder.read(kReminders), tail.mid(168 * 2, 168));
}

TEST_F(ScheduleFilesTest, RemovingTheLastRecordsLeavesNoFileBehind) {
    folder.write(kReminders, fixture(QStringLiteral("two_reminders.dat")));
    folder.write(kReminderScratch, "left over by an interrupted rewrite");
    EXPECT_TRUE(files.remove(ScheduleKind::Reminders, {QDate(2023, 3, 15), "10:30"}));
    EXPECT_FALSE(folder.exists(kReminderScratch));  // the rewrite replaced it
    EXPECT_TRUE(files.remove(ScheduleKind::Reminders, {QDate(2023, 3, 16), "07:05"}));
    EXPECT_FALSE(folder.exists(kReminders));
    EXPECT_FALSE(folder.exists(kReminderScratch));
    EXPECT_TRUE(files.load(ScheduleKind::Reminders).isEmpty());

    // The second entry of a key already removed meets a missing file: nothing
    // is created, nothing reported.
    EXPECT_TRUE(files.remove(ScheduleKind::Reminders, {QDate(2023, 3, 16), "07:05"}));
    EXPECT_FALSE(folder.exists(kReminders));
    EXPECT_FALSE(folder.exists(kReminderScratch));
}

TEST_F(ScheduleFilesTest, RemovalOfAnAbsentKeyLeavesTheFileAsItIs) {
    const QByteArray tail = fixture(QStringLiteral("reminders_partial_tail.dat"));
    folder.write(kReminders, tail);
    EXPECT_TRUE(files.remove(ScheduleKind::Reminders, {QDate(2026, 3, 10), "9:00"}));
    EXPECT_EQ(folder.read(kReminders), tail);
    EXPECT_FALSE(folder.exists(kReminderScratch));
}

TEST_F(ScheduleFilesTest, RewriteFailuresAreToldAndKeepTheOldFile) {
    const QByteArray old = fixture(QStringLiteral("two_reminders.dat"));
    folder.write(kReminders, old);
    QDir(folder.root()).mkpath(kReminderScratch);  // the scratch file cannot be created
    EXPECT_TRUE(files.remove(ScheduleKind::Reminders, {QDate(2023, 3, 15), "10:30"})
                    .error()
                    .contains(QStringLiteral("napom.dat")));
    EXPECT_EQ(folder.read(kReminders), old);

    // A main file that cannot be opened.
    QFile::remove(folder.path(kLaunches));
    QDir(folder.root()).mkpath(kLaunches);
    EXPECT_TRUE(files.remove(ScheduleKind::Launches, {QDate(2023, 3, 15), "10:30"})
                    .error()
                    .contains(QStringLiteral("run.dat")));
}

TEST_F(ScheduleFilesTest, AnInterruptedRewriteLeavesTheOldFileWhole) {
    const QByteArray old = fixture(QStringLiteral("reminders_partial_tail.dat"));
    const QByteArray fresh = old.mid(168 * 2, 168);
    const ScheduleKey key{QDate(2026, 3, 10), "09:00"};
    for (safewrite::Step stop : {safewrite::Step::Create, safewrite::Step::Write,
                                 safewrite::Step::Flush, safewrite::Step::Rename}) {
        SCOPED_TRACE(int(stop));
        folder.write(kReminders, old);
        safewrite::setFaultSeam([stop](safewrite::Step step) { return step != stop; });
        EXPECT_FALSE(files.remove(ScheduleKind::Reminders, key));
        EXPECT_EQ(folder.read(kReminders), old);

        // The next removal, uninterrupted, finishes the job over any scratch left.
        safewrite::setFaultSeam({});
        EXPECT_TRUE(files.remove(ScheduleKind::Reminders, key));
        EXPECT_EQ(folder.read(kReminders), fresh);
        EXPECT_FALSE(folder.exists(kReminderScratch));
    }
}

// Many records at once: all of them after the last whole record, or, when
// the rewrite is stopped at any step, the file as it was.
TEST_F(ScheduleFilesTest, AppendingManyRecordsAddsAllOrNone) {
    const QByteArray old = fixture(QStringLiteral("reminders_partial_tail.dat"));
    const QByteArray whole = old.left(old.size() / 168 * 168);
    const QList<QByteArray> added{reminder(46000, "08:15", QStringLiteral("Первое")).bytes(),
                                  reminder(46001, "09:30", QStringLiteral("Второе")).bytes()};
    for (safewrite::Step stop : {safewrite::Step::Create, safewrite::Step::Write,
                                 safewrite::Step::Flush, safewrite::Step::Rename}) {
        SCOPED_TRACE(int(stop));
        folder.write(kReminders, old);
        safewrite::setFaultSeam([stop](safewrite::Step step) { return step != stop; });
        EXPECT_FALSE(files.appendAll(ScheduleKind::Reminders, added));
        EXPECT_EQ(folder.read(kReminders), old);
    }
    safewrite::setFaultSeam({});
    EXPECT_TRUE(files.appendAll(ScheduleKind::Reminders, added));
    EXPECT_EQ(folder.read(kReminders), whole + added[0] + added[1]);
    EXPECT_FALSE(folder.exists(kReminderScratch));

    // A missing file is created with the records alone.
    EXPECT_TRUE(files.appendAll(ScheduleKind::Launches, {QByteArray(10, 'x')}));
    EXPECT_EQ(folder.read(kLaunches),
              QByteArray(10, 'x') + QByteArray(LaunchRecord::kSize - 10, 0));
}

// Another writer of the folder (the clock, while the command line adds)
// holds it while it puts a file of its own in place: a change made
// meanwhile waits, and keeps what the other wrote; one that waits too long
// is told.
TEST_F(ScheduleFilesTest, AChangeWaitsForAnotherWriterOfTheFolder) {
    const QByteArray theirs = reminder(46000, "08:15", QStringLiteral("их")).bytes();
    const QByteArray ours = reminder(46001, "09:30", QStringLiteral("наше")).bytes();
    std::promise<void> locked;
    std::thread other([&] {
        const FolderLock lock(folder.path(QStringLiteral("system")));
        locked.set_value();
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        folder.write(kReminders, theirs);
    });
    locked.get_future().wait();
    EXPECT_TRUE(files.appendAll(ScheduleKind::Reminders, {ours}));
    other.join();
    EXPECT_EQ(folder.read(kReminders), theirs + ours);

    const FolderLock held(folder.path(QStringLiteral("system")));
    EXPECT_FALSE(FolderLock(folder.path(QStringLiteral("system")), 20).held());
}

TEST_F(ScheduleFilesTest, AnEnormousFileIsReadOnlyUpToTheBound) {
    folder.write(kReminders, QByteArray(168 * 5 + 7, '\x01'));
    const auto records = [&](const QString& file, qsizetype bound, ScheduleRead* read) {
        int n = 0;
        *read = forEachScheduleRecord(folder.path(file), 168, bound, [&](QByteArrayView) { ++n; });
        return n;
    };
    ScheduleRead read;
    EXPECT_EQ(records(kReminders, 3, &read), 3);
    EXPECT_TRUE(read.complete);
    EXPECT_EQ(records(kReminders, -1, &read), 5);
    EXPECT_EQ(records(kReminderScratch, -1, &read), 0);
    EXPECT_TRUE(read.missing);
}
