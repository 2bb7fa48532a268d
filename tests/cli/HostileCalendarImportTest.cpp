#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <QProcess>
#include <functional>

#include "TempFolder.h"

// Hostile or unusual files given to `chronidex import`, each in a process of
// its own with its address space bounded: the import ends (the generous wait
// only catches a hang; it measures nothing), neither crashing nor running
// out of memory, and says in a line what it made of the file.
namespace {

// Far more than the program needs for these files; far less than libical
// takes on some of them when nothing bounds it.
constexpr rlim_t kAddressSpace = rlim_t(512) << 20;
constexpr int kHangMilliseconds = 180000;

struct Outcome {
    bool ended = false;
    bool crashed = false;
    int status = -1;
    QString said;  // standard output and standard error
};

Outcome import(const TempFolder& folder, const QString& file) {
    QProcess chronidex;
    chronidex.setProgram(QStringLiteral(CHRONIDEX_BIN));
    chronidex.setArguments(
        {QStringLiteral("--folder"), folder.root(), QStringLiteral("import"), file});
    chronidex.setChildProcessModifier([] {
        const rlimit limit{kAddressSpace, kAddressSpace};
        ::setrlimit(RLIMIT_AS, &limit);
    });
    chronidex.start();
    Outcome outcome;
    outcome.ended = chronidex.waitForFinished(kHangMilliseconds);
    if (!outcome.ended) {
        chronidex.kill();
        chronidex.waitForFinished();
    }
    outcome.crashed = chronidex.exitStatus() == QProcess::CrashExit;
    outcome.status = chronidex.exitCode();
    outcome.said =
        QString::fromUtf8(chronidex.readAllStandardOutput() + chronidex.readAllStandardError());
    return outcome;
}

QByteArray calendar(const QByteArray& inside) {
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//test//EN\r\n" + inside +
           "END:VCALENDAR\r\n";
}

// Each as deep as the one before, 20,000 levels.
QByteArray nestedEvents() {
    return calendar(QByteArray("BEGIN:VEVENT\r\n").repeated(20000) +
                    QByteArray("END:VEVENT\r\n").repeated(20000));
}

// An event with 200,000 extra dates on one line, one a minute from tomorrow on.
QByteArray manyExtraDates() {
    QDateTime first = QDateTime::currentDateTimeUtc().addDays(1);
    first.setTime(QTime(first.time().hour(), first.time().minute()));
    QByteArray dates;
    for (int i = 0; i < 200000; ++i) {
        dates += (i ? "," : "") +
                 first.addSecs(60 * i).toString(QStringLiteral("yyyyMMddTHHmmssZ")).toLatin1();
    }
    return calendar("BEGIN:VEVENT\r\nUID:many@test\r\nDTSTAMP:20260101T000000Z\r\nDTSTART:" +
                    first.toString(QStringLiteral("yyyyMMddTHHmmssZ")).toLatin1() +
                    "\r\nRDATE:" + dates + "\r\nSUMMARY:Every half minute\r\nEND:VEVENT\r\n");
}

struct Case {
    const char* what;
    // The file's path, made in the folder where needed.
    std::function<QString(const TempFolder&)> file;
    int status;
    QStringList said;  // parts of what the import says
};

QString made(const TempFolder& folder, const QByteArray& text) {
    folder.write(QStringLiteral("made.ics"), text);
    return folder.path(QStringLiteral("made.ics"));
}

QString fixture(const char* name) {
    return testData(QStringLiteral("ical/") + QLatin1String(name));
}

}  // namespace

TEST(HostileCalendarImportTest, EndsWithinBoundsAndSaysWhatItMadeOfTheFile) {
    const QList<Case> cases{
        {"components nested 20,000 deep",
         [](const TempFolder& f) { return made(f, nestedEvents()); },
         1,
         {"nests BEGIN ... END more than 32 deep"}},
        {"rules that never name a time",
         [](const TempFolder&) { return fixture("rules-never.ics"); },
         0,
         {"\"Thirtieth of February\": no occurrence in the next 366 days.",
          "\"Fortieth day of a month\": no occurrence",
          "\"March of every February\": no occurrence",
          "\"Leap day of common years\": no occurrence", "\"Thirty-first of April\": no occurrence",
          "Added 0 reminders."}},
        {"a rule by the second",
         [](const TempFolder&) { return fixture("rule-budget.ics"); },
         0,
         {"\"Every second of the 28th of February\": it repeats too often"}},
        {"a zone that changes by the hour since 1601",
         [](const TempFolder&) { return fixture("zone-hourly.ics"); },
         1,
         {"its time zone \"Ticking/Hourly\" repeats more often than yearly"}},
        {"a device without end",
         [](const TempFolder&) { return QStringLiteral("/dev/zero"); },
         1,
         {"/dev/zero is refused: it is a device"}},
        {"a FIFO no one writes to",
         [](const TempFolder& f) {
             const QString fifo = f.path(QStringLiteral("fifo.ics"));
             ::mkfifo(QFile::encodeName(fifo).constData(), 0600);
             return fifo;
         },
         1,
         {"is refused: it is not an iCalendar file"}},
        {"an event with 200,000 extra dates",
         [](const TempFolder& f) { return made(f, manyExtraDates()); },
         0,
         {"199000 more occurrences in the next 366 days are left out", "Added 1000 reminders."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const TempFolder folder;
        const Outcome outcome = import(folder, c.file(folder));
        ASSERT_TRUE(outcome.ended);
        ASSERT_FALSE(outcome.crashed) << outcome.said.toStdString();
        EXPECT_EQ(outcome.status, c.status) << outcome.said.toStdString();
        for (const QString& part : c.said) {
            EXPECT_TRUE(outcome.said.contains(part)) << outcome.said.toStdString();
        }
    }
}
