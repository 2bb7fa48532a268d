#include <gtest/gtest.h>

#include <unistd.h>
#include <QDirIterator>
#include <QFileInfo>
#include <QRegularExpression>
#include <cstdio>
#include <random>

#include "KillGenerations.h"
#include "KilledWrite.h"
#include "TempFolder.h"
#include "calendar/HolidayFile.h"
#include "desktop/AutostartEntry.h"
#include "scheduler/ScheduleFiles.h"
#include "settings/ProgramFolder.h"
#include "settings/ScratchLeftovers.h"
#include "settings/SettingsFile.h"

// The writers are stopped with SIGKILL at random points by a process of
// their own, and every file must then hold its whole old or its whole new
// content, and the next writer must go on from there. Before some writes a
// link or a hard link to a file outside the folder lies at each of the
// schedules' scratch names: the scratch files are made new, so that file
// never changes, and the start's clean-up takes the links away. CHRONIDEX_KILLS sets
// the number of kills (the suite's default keeps the test to a few seconds),
// CHRONIDEX_KILL_SEED replays a run whose seed a failure printed.

namespace {

using killgen::Writer;

int fromEnvironment(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

bool isSchedule(Writer writer) {
    return writer == Writer::Reminders || writer == Writer::Launches;
}

killgen::FileContents onDisk(const TempFolder& folder, Writer writer) {
    killgen::FileContents contents;
    for (const QString& file : killgen::files(writer)) {
        const QFileInfo info(folder.path(file));
        std::optional<QByteArray> bytes;
        if (info.exists() || info.isSymLink()) {
            bytes = folder.read(file);
        }
        // An append cut short between making the file and its one write
        // leaves a file without a record, which every reader takes as none.
        if (isSchedule(writer) && bytes && bytes->isEmpty()) {
            bytes.reset();
        }
        contents.insert(file, bytes);
    }
    return contents;
}

QString describe(const killgen::FileContents& contents) {
    QString text;
    for (auto it = contents.cbegin(); it != contents.cend(); ++it) {
        text += it.key() + QStringLiteral(": ") +
                (it.value() ? QString::number(it.value()->size()) + QStringLiteral(" bytes")
                            : QStringLiteral("missing")) +
                QLatin1Char('\n');
    }
    return text;
}

// The program's readers see exactly generation g, whatever scratch files lie about.
void expectReadersSee(const TempFolder& folder, Writer writer, int g) {
    const killgen::FileContents want = killgen::expected(writer, folder.root(), g);
    const QString first = killgen::files(writer).first();
    if (isSchedule(writer)) {
        const ScheduleKind kind =
            writer == Writer::Reminders ? ScheduleKind::Reminders : ScheduleKind::Launches;
        const ProgramFolder programFolder(folder.root());
        const ScheduleFiles files(programFolder);
        const ScheduleList loaded = files.load(kind);
        const QList<QByteArray> records = killgen::scheduleRecords(kind, g);
        ASSERT_EQ(loaded.size(), records.size());
        for (qsizetype i = 0; i < records.size(); ++i) {
            const ScheduleEntry entry = ScheduleEntry::fromRecord(kind, records[i]);
            EXPECT_EQ(loaded[i].text(), entry.text());
            EXPECT_TRUE(loaded[i].matches(entry.key()));
        }
    } else if (writer == Writer::Settings) {
        const Expected<SettingsRecord> read = SettingsFile(folder.path(first)).read();
        ASSERT_EQ(read.ok(), want[first].has_value());
        if (read) {
            EXPECT_EQ(read->bytes(), *want[first]);
        }
    } else if (writer == Writer::Holidays) {
        for (const QString& file : killgen::files(writer)) {
            ASSERT_EQ(holidays::read(folder.path(file)).ok(), want[file].has_value())
                << qPrintable(file);
        }
    } else {
        const AutostartEntry entry(killgen::autostartFolder(folder.root()), QString(), QString());
        EXPECT_EQ(entry.exists(), want[first].has_value());
    }
}

QStringList filesUnder(const QString& root) {
    QStringList found;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        found << QDir(root).relativeFilePath(it.next());
    }
    found.sort();
    return found;
}

// What the clock removes at an ordinary start: the scratch files of the
// settings, holiday and autostart saves and the schedules' fixed ones.
QStringList removeLeftovers(const TempFolder& folder) {
    const ProgramFolder program(folder.root());
    QStringList targets{program.path(QStringLiteral("\\system\\system.ini")),
                        folder.path(killgen::files(Writer::Autostart).first())};
    for (int month = 1; month <= 12; ++month) {
        targets << holidays::pathFor(program, month);
    }
    return scratchleftovers::remove(targets,
                                    {program.path(schedule::scratchName(ScheduleKind::Reminders)),
                                     program.path(schedule::scratchName(ScheduleKind::Launches))});
}

// The schedules' scratch files, whose names are fixed.
const QStringList kFixedScratch{QStringLiteral("system/nappr.dat"),
                                QStringLiteral("system/runpr.dat")};
const QByteArray kBait = "a file outside the program folder\n";

// Files the clock's start must leave alone although they look like ours.
const QStringList kLookAlikes{
    QStringLiteral("system/system.ini.bak"), QStringLiteral("system/napom.dat.aBcDeF"),
    QStringLiteral("system/nappr.dat.old"), QStringLiteral("prazdniki/1.prz.aBcDeFg"),
    QStringLiteral("autostart/other.desktop.aBcDeF")};

}  // namespace

TEST(KillTest, EveryKillLeavesEachFileWholeAtItsOldOrNewContentAndTheWritersGoOn) {
    const int kills = fromEnvironment("CHRONIDEX_KILLS", 40);
    bool replay = false;
    const unsigned given = qgetenv("CHRONIDEX_KILL_SEED").toUInt(&replay);
    const unsigned seed = replay ? given : std::random_device{}();
    std::printf("kill test: %d kills, CHRONIDEX_KILL_SEED=%u\n", kills, seed);
    std::mt19937 random(seed);
    TempFolder folder;
    TempFolder outside;
    outside.write(QStringLiteral("thesis.txt"), kBait);
    const QString bait = outside.path(QStringLiteral("thesis.txt"));
    int links = 0;  // kills before which links lay at the scratch names
    QDir(folder.root()).mkpath(QStringLiteral("autostart"));
    for (const QString& name : kLookAlikes) {
        folder.write(name, "not ours");
    }
    QMap<Writer, int> generation;
    int newer = 0;
    QMap<QString, int> leftovers;  // scratch files removed, by name
    int keptLeftovers = 0;         // kills after which no clean-up ran
    for (int k = 0; k < kills; ++k) {
        const Writer writer = killgen::writers()[int(random() % killgen::writers().size())];
        const int delayUs = int(random() % 30000);
        // A restarted start leaves scratch files be: the next writer works beside them.
        const bool restarted = random() % 3 == 0;
        SCOPED_TRACE(QStringLiteral("kill %1 of %2, %3 after %4 us, seed %5")
                         .arg(k + 1)
                         .arg(kills)
                         .arg(killgen::name(writer))
                         .arg(delayUs)
                         .arg(seed)
                         .toStdString());
        // Someone else's file under a scratch name, a link or a hard link to a
        // file outside the folder: the next rewrite takes the name away and
        // never writes into that file.
        const int planted = int(random() % 3);
        if (planted != 0) {
            ++links;
            for (const QString& scratch : kFixedScratch) {
                const QByteArray name = QFile::encodeName(folder.path(scratch));
                ::unlink(name.constData());
                const QByteArray target = QFile::encodeName(bait);
                ASSERT_EQ(planted == 1 ? ::symlink(target.constData(), name.constData())
                                       : ::link(target.constData(), name.constData()),
                          0);
            }
        }
        const KilledWrite kill =
            KilledWrite::run(QStringLiteral(CHRONIDEX_KILL_WRITER), folder.root(), writer,
                             generation[writer], delayUs);
        ASSERT_TRUE(kill.why.isEmpty()) << qPrintable(kill.why);
        ASSERT_EQ(outside.read(QStringLiteral("thesis.txt")), kBait);

        const killgen::FileContents disk = onDisk(folder, writer);
        const bool old = disk == killgen::expected(writer, folder.root(), kill.done);
        const bool next = disk == killgen::expected(writer, folder.root(), kill.done + 1);
        ASSERT_TRUE(old || next) << "after generation " << kill.done << " the files hold\n"
                                 << qPrintable(describe(disk));
        generation[writer] = next && !old ? kill.done + 1 : kill.done;
        newer += next && !old;
        for (Writer other : killgen::writers()) {
            ASSERT_EQ(onDisk(folder, other),
                      killgen::expected(other, folder.root(), generation[other]))
                << qPrintable(killgen::name(other));
            expectReadersSee(folder, other, generation[other]);
        }

        if (restarted) {
            ++keptLeftovers;
            continue;
        }
        const QStringList before = filesUnder(folder.root());
        const QStringList removed = removeLeftovers(folder);
        for (const QString& path : removed) {
            // The random letters of a save's scratch name count as one name.
            QString name = QDir(folder.root()).relativeFilePath(path);
            ++leftovers[name.replace(QRegularExpression(QStringLiteral("\\.[A-Za-z]{6}$")),
                                     QStringLiteral(".XXXXXX"))];
        }
        QStringList kept = kLookAlikes;
        for (Writer each : killgen::writers()) {
            for (const QString& file : killgen::files(each)) {
                if (QFileInfo::exists(folder.path(file))) {
                    kept << file;
                }
            }
        }
        kept.sort();
        EXPECT_EQ(filesUnder(folder.root()), kept)
            << "before the clean-up: " << qPrintable(before.join(QLatin1Char(' ')));
    }
    std::printf("kill test: %d kills, %d left the new content; generations:", kills, newer);
    for (Writer writer : killgen::writers()) {
        std::printf(" %s %d", qPrintable(killgen::name(writer)), generation[writer]);
    }
    std::printf(
        "\nkill test: %d kills left their scratch files for the next writer, %d found links "
        "at the schedules' scratch names; removed at a later start:",
        keptLeftovers, links);
    for (auto it = leftovers.cbegin(); it != leftovers.cend(); ++it) {
        std::printf(" %s %d", qPrintable(it.key()), it.value());
    }
    std::printf("\n");
}
