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

struct Case {
    const char* what;
    // The file's path, made in the folder where needed.
    std::function<QString(const TempFolder&)> file;
    int status;
    QStringList said;  // parts of what the import says
};

}  // namespace

TEST(HostileCalendarImportTest, EndsWithinBoundsAndSaysWhatItMadeOfTheFile) {
    const QList<Case> cases{
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
