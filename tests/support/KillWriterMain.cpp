// The writer the kill test stops with SIGKILL at random points: from a given
// generation on it makes one write of one file after the other, through the
// program's own writers, and prints each generation once that write is done.
//
//   kill_writer ROOT WRITER FROM
//
// WRITER is reminders, launches, settings, holidays, autostart or repeats;
// FROM the generation the folder holds now. Repeats announces the one
// reminder of "napom.dat" at each generation, a day after the last: a
// repeating one then gives way to its next occurrence. It stops by itself after a minute, so a
// test that dies cannot leave it running.

#include <unistd.h>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <cstdio>

#include "FakePlatform.h"
#include "FakeTimer.h"
#include "KillGenerations.h"
#include "calendar/HolidayFile.h"
#include "desktop/AutostartEntry.h"
#include "scheduler/RepeatingReminders.h"
#include "scheduler/ScheduleFiles.h"
#include "settings/SettingsFile.h"
#include "state/ClockState.h"

namespace {

constexpr qint64 kLifetimeMs = 60000;

// One line in one write, so the test never reads half a number.
void say(const QByteArray& line) {
    const QByteArray out = line + '\n';
    if (::write(STDOUT_FILENO, out.constData(), size_t(out.size())) != out.size()) {
        std::_Exit(4);
    }
}

class KillWriter {
  public:
    KillWriter(const QString& root, killgen::Writer writer) : root_(root), writer_(writer) {
        state_.programFolder = ProgramFolder(root);
        state_.settings = SettingsRecord::defaults();
    }

    bool write(int generation) {
        switch (writer_) {
            case killgen::Writer::Reminders:
                return writeSchedule(ScheduleKind::Reminders, generation);
            case killgen::Writer::Launches:
                return writeSchedule(ScheduleKind::Launches, generation);
            case killgen::Writer::Settings:
                return writeSettings(generation);
            case killgen::Writer::Holidays:
                return writeHolidays(generation);
            case killgen::Writer::Autostart:
                return writeAutostart(generation);
            case killgen::Writer::Repeats:
                return announceRepeating();
        }
        return false;
    }

    QString problem() const { return platform_.errors.join(QLatin1Char('\n')) + why_; }

  private:
    bool writeSchedule(ScheduleKind kind, int generation) {
        const killgen::ScheduleStep step = killgen::scheduleStep(kind, generation);
        const Expected<void> done =
            step.append ? files_.append(kind, step.record) : files_.remove(kind, step.key);
        why_ = done.error();
        return done.ok();
    }

    bool writeSettings(int generation) {
        const SettingsFile file(state_.programFolder.path(QStringLiteral("\\system\\system.ini")));
        // As the dialogs save: the file's own record with the change applied.
        const QByteArray wanted = killgen::settingsBytes(generation);
        const Expected<void> done = file.updateThrough(
            state_.settings, [&](SettingsRecord& rec) { rec = SettingsRecord::fromBytes(wanted); });
        why_ = done.error();
        return done.ok();
    }

    bool writeHolidays(int generation) {
        const QString path =
            holidays::pathFor(state_.programFolder, killgen::holidayMonth(generation));
        const Expected<void> done = holidays::write(path, killgen::holidayEntries(generation));
        why_ = done.error();
        return done.ok();
    }

    bool announceRepeating() {
        const ScheduleList entries = files_.load(ScheduleKind::Reminders);
        if (entries.size() != 1) {
            why_ = QStringLiteral("%1 reminders instead of one").arg(entries.size());
            return false;
        }
        const QDateTime now(entries.first().day(), QTime(23, 59));
        const RepeatingReminders::Outcome outcome =
            RepeatingReminders(state_.programFolder).announced(entries.first(), now);
        why_ = outcome.done.error();
        return outcome.done && outcome.advanced;
    }

    bool writeAutostart(int generation) {
        const QString folder = killgen::autostartProgramFolder(root_, generation);
        const AutostartEntry entry(killgen::autostartFolder(root_), folder,
                                   folder + QStringLiteral("/chronidex"));
        if (generation % 2 == 0) {
            return entry.remove();
        }
        why_ = QStringLiteral("the entry was not made");
        return entry.create();
    }

    QString root_;
    killgen::Writer writer_;
    ClockState state_;
    FakeClockTimers timers_;
    FakePlatform platform_;
    ScheduleFiles files_{state_.programFolder};
    QString why_;
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const std::optional<killgen::Writer> writer =
        args.size() == 4 ? killgen::fromName(args[2]) : std::nullopt;
    bool numeric = false;
    const int from = args.size() == 4 ? args[3].toInt(&numeric) : 0;
    if (!writer || !numeric || from < 0) {
        std::fprintf(stderr, "usage: kill_writer ROOT WRITER FROM\n");
        return 2;
    }
    KillWriter out(args[1], *writer);
    QElapsedTimer lifetime;
    lifetime.start();
    say("ready");
    for (int generation = from + 1; lifetime.elapsed() < kLifetimeMs; ++generation) {
        if (!out.write(generation)) {
            std::fprintf(stderr, "generation %d: %s\n", generation, qPrintable(out.problem()));
            return 3;
        }
        say(QByteArray::number(generation));
    }
    return 0;
}
