#include <QTemporaryDir>

#include "DueCheckFixture.h"
#include "FileKinds.h"

// What lies under the schedule file's name or its scratch file's name, and
// what each change of the file makes of it: nothing is written anywhere but
// into the schedule, no pipe holds a change, and a link to the schedule is
// followed alike by every change.

namespace {

using filekinds::Kind;

const QString kReminders = QStringLiteral("system/napom.dat");
const QString kScratch = QStringLiteral("system/nappr.dat");

ReminderRecord reminder(const QDate& day, const char* time, const char* text) {
    ReminderRecord rec;
    rec.setDate(daycount::fromDate(day));
    rec.setTime(QLatin1String(time));
    rec.setText(QString::fromUtf8(text));
    return rec;
}

// Functions, not constants: the day count's epoch is another file's
// constant, not yet there while this file's constants are made.
const QDate kDay(2027, 5, 20);
QByteArray first() {
    return reminder(kDay, "10:00", "первое").bytes();
}
QByteArray second() {
    return reminder(kDay, "11:00", "второе").bytes();
}
QByteArray added() {
    return reminder(kDay, "12:00", "новое").bytes();
}
QByteArray old() {
    return first() + second();
}
// What the file elsewhere holds when it is no schedule: a link at the
// scratch name must never bring records into it.
const QByteArray kBait = "a thesis, not a schedule\n";

// One change of the reminders' file, and what the file holds after it.
struct Change {
    const char* name;
    std::function<Expected<void>(const ScheduleFiles&)> run;
    std::function<std::optional<QByteArray>()> after;  // nothing: no file remains
    bool rewrites;                                     // through the scratch file
};

const Change kChanges[] = {
    {"append", [](const ScheduleFiles& f) { return f.append(ScheduleKind::Reminders, added()); },
     [] { return old() + added(); }, false},
    {"append many",
     [](const ScheduleFiles& f) {
         return f.appendAll(ScheduleKind::Reminders, {added(), added()});
     },
     [] { return old() + added() + added(); }, true},
    {"remove",
     [](const ScheduleFiles& f) {
         return f.remove(ScheduleKind::Reminders, {kDay, "10:00"});
     },
     [] { return second(); }, true},
    {"remove the last",
     [](const ScheduleFiles& f) {
         const Expected<void> first = f.remove(ScheduleKind::Reminders, {kDay, "10:00"});
         return first ? f.remove(ScheduleKind::Reminders, {kDay, "11:00"}) : first;
     },
     [] { return std::optional<QByteArray>(); }, true},
};

class ScheduleFileSafety : public DueCheckFixture {
  protected:
    QString path(const QString& relative) const { return folder.path(relative); }

    // Takes away whatever a row left under the name.
    void clear(const QString& relative) const {
        const QFileInfo info(path(relative));
        if (info.isDir() && !info.isSymLink()) {
            QDir(path(relative)).removeRecursively();
        } else {
            QFile::remove(path(relative));
        }
        QFile::remove(elsewhere.file);
    }

    QStringList elsewhereFiles() const {
        QStringList names =
            QDir(other.path())
                .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        names.sort();
        return names;
    }

    Expected<void> run(const Change& change) {
        return filekinds::unhung<Expected<void>>(
            [&] { return change.run(files); }, {path(kReminders), path(kScratch), elsewhere.pipe});
    }

    QTemporaryDir other;
    filekinds::Elsewhere elsewhere{other.path()};
};

}  // namespace

// A pipe or a device would hold the change or swallow the records and say
// it was done; a folder is no file. Every change refuses them at once, and
// says so, and leaves them as they were.
TEST_F(ScheduleFileSafety, EveryChangeRefusesAScheduleThatIsNoRegularFile) {
    const struct {
        Kind kind;
        const char* said;
    } rows[] = {
        {Kind::Fifo, "не обычный файл"},
        {Kind::LinkToDevNull, "не обычный файл"},
        {Kind::LinkToFifo, "не обычный файл"},
        {Kind::Folder, "папка"},
    };
    for (const auto& row : rows) {
        for (const Change& change : kChanges) {
            SCOPED_TRACE(std::string(filekinds::name(row.kind)) + ", " + change.name);
            clear(kReminders);
            filekinds::plant(row.kind, path(kReminders), elsewhere, kBait);
            const QString was = filekinds::found(path(kReminders));
            const Expected<void> done = run(change);
            EXPECT_FALSE(done);
            const QString error = done.error();
            EXPECT_TRUE(error.contains(QString::fromUtf8(row.said))) << error.toStdString();
            EXPECT_TRUE(error.contains(QStringLiteral("napom.dat"))) << error.toStdString();
            EXPECT_EQ(filekinds::found(path(kReminders)), was);
            EXPECT_EQ(filekinds::found(path(kScratch)), QStringLiteral("nothing"));
            EXPECT_EQ(filekinds::read(elsewhere.file), kBait);
        }
    }
}

// A user who keeps the schedule elsewhere and links it into the folder
// keeps the link through every change: the file it points to is the
// schedule, rewritten in its own folder without a scratch file left there,
// and emptied rather than taken away when its last record goes.
TEST_F(ScheduleFileSafety, EveryChangeWritesThroughALinkToARegularFileAndKeepsTheLink) {
    for (const Change& change : kChanges) {
        SCOPED_TRACE(change.name);
        clear(kReminders);
        filekinds::plant(Kind::LinkToFile, path(kReminders), elsewhere, old());
        const QStringList before = elsewhereFiles();
        EXPECT_TRUE(run(change));
        EXPECT_EQ(filekinds::found(path(kReminders)),
                  QStringLiteral("a link to ") + elsewhere.file);
        const std::optional<QByteArray> after = change.after();
        EXPECT_EQ(filekinds::read(elsewhere.file), after.value_or(QByteArray()));
        EXPECT_EQ(elsewhereFiles(), before);
        EXPECT_EQ(filekinds::found(path(kScratch)), QStringLiteral("nothing"));
        EXPECT_EQ(remindersInFile(), after ? after->size() / 168 : 0);
    }
}

// A scratch file is a new file of the program's own: whatever a killed
// rewrite or anyone else left under its name is taken away by the name,
// never opened, never written through, and the schedule that takes the
// scratch file's name is that new file. Only a folder there stops the
// rewrite, which then leaves the schedule as it was.
TEST_F(ScheduleFileSafety, WhateverLiesAtTheScratchNameIsReplacedAndNeverWrittenThrough) {
    const Kind kinds[] = {Kind::Regular, Kind::LinkToFile, Kind::HardLinkToFile, Kind::DanglingLink,
                          Kind::Fifo,    Kind::LinkToFifo, Kind::LinkToDevNull,  Kind::Folder};
    for (const Kind kind : kinds) {
        for (const Change& change : kChanges) {
            if (!change.rewrites) {
                continue;
            }
            SCOPED_TRACE(std::string(filekinds::name(kind)) + ", " + change.name);
            clear(kReminders);
            clear(kScratch);
            filekinds::write(path(kReminders), old());
            filekinds::plant(kind, path(kScratch), elsewhere, kBait);
            const Expected<void> done = run(change);
            const QString error = done.error();
            EXPECT_EQ(filekinds::read(elsewhere.file), kBait);
            EXPECT_FALSE(QFileInfo::exists(elsewhere.nothing));
            if (kind == Kind::Folder) {
                EXPECT_FALSE(done);
                EXPECT_TRUE(error.contains(QStringLiteral("napom.dat"))) << error.toStdString();
                EXPECT_EQ(folder.read(kReminders), old());
                continue;
            }
            EXPECT_TRUE(done) << error.toStdString();
            EXPECT_EQ(filekinds::found(path(kScratch)), QStringLiteral("nothing"));
            if (const std::optional<QByteArray> after = change.after()) {
                EXPECT_EQ(filekinds::found(path(kReminders)), QStringLiteral("a regular file"));
                EXPECT_EQ(folder.read(kReminders), *after);
            } else {
                EXPECT_EQ(filekinds::found(path(kReminders)), QStringLiteral("nothing"));
            }
        }
    }
}

// The clock removes a reminder once its notice is dismissed; a file that
// became a pipe or a device meanwhile is refused there too, in the error box
// every other failure of the removal shows, and the due check goes on.
TEST_F(ScheduleFileSafety, TheClocksRemovalAfterANoticeRefusesWhatIsNoRegularFile) {
    const Kind kinds[] = {Kind::Fifo, Kind::LinkToDevNull, Kind::LinkToFifo};
    int minute = 30;
    for (const Kind kind : kinds) {
        SCOPED_TRACE(filekinds::name(kind));
        clear(kReminders);
        platform.errors.clear();
        const QByteArray time = QTime(10, minute).toString(QStringLiteral("HH:mm")).toLatin1();
        addReminder(today(), time.constData(), QStringLiteral("напоминание"));
        state.reloadReminders = true;
        at(10, minute - 1, 59);
        reminders.reminderTick();
        platform.onMessage = [&](const QString&) {
            clear(kReminders);
            filekinds::plant(kind, path(kReminders), elsewhere, kBait);
        };
        at(10, minute, 0);
        filekinds::unhung<bool>(
            [&] {
                reminders.reminderTick();
                return true;
            },
            {path(kReminders), elsewhere.pipe});
        platform.onMessage = {};
        ASSERT_EQ(platform.errors.size(), 1);
        EXPECT_TRUE(platform.errors.first().contains(QStringLiteral("не обычный файл")))
            << platform.errors.first().toStdString();
        EXPECT_NE(filekinds::found(path(kReminders)), QStringLiteral("a regular file"));
        EXPECT_EQ(filekinds::found(path(kScratch)), QStringLiteral("nothing"));
        EXPECT_TRUE(timers.reminderCheck.enabled());
        minute += 2;
    }
}
