// Prints what the schedules cost in a program folder that PrepareFolder filled:
// the due checks' first tick (load and overdue check) and steady tick, the
// schedule list of the other-settings dialog (read, sort, fill, first paint),
// removing one key from each file, and the peak resident memory on the way.
// Figures only; nothing here passes or fails.
//
//   ScheduleBench <program folder> [label]
//
// Every line starts with "schedule <label>" and holds name=value pairs, so a
// script can set the runs of several sizes side by side.

#include <malloc.h>
#include <QAbstractItemModel>
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QListView>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "BenchPlatform.h"
#include "app/ClockStartup.h"
#include "autohide/DialogProtocol.h"
#include "dialogs/DialogContext.h"
#include "scheduler/LaunchDueCheck.h"
#include "scheduler/ReminderDueCheck.h"
#include "scheduler/ScheduleFileReader.h"
#include "scheduler/ScheduleFiles.h"
#include "scheduler/ScheduleLines.h"
#include "scheduler/ui/OtherSettingsDialog.h"
#include "scheduler/ui/ScheduleListModel.h"
#include "state/ClockState.h"

// A timer switch that only remembers its state.
class StubSwitch : public TimerSwitch {
  public:
    void enable() override { on_ = true; }
    void disable() override { on_ = false; }
    bool enabled() const override { return on_; }

  private:
    bool on_ = false;
};

// The program's names this benchmark depends on, kept here alone so a rename
// touches one place. The due checks run without timers (they allow that);
// the dialog protocol needs the idle check's.
namespace names {
using ScheduleDialog = OtherSettingsDialog;
inline ClockTimers timersWithIdleCheck(TimerSwitch& idleCheck) {
    ClockTimers timers;
    timers.idleCheck = &idleCheck;
    return timers;
}
inline void reminderTick(ReminderDueCheck& check) {
    check.reminderTick();
}
inline void launchTick(LaunchDueCheck& check) {
    check.launchTick();
}
inline QListView* scheduleList(ScheduleDialog& dialog) {
    return dialog.scheduleList();
}
// Every line the list holds; the view is handed them a batch at a time.
inline qsizetype lineCount(ScheduleDialog& dialog) {
    return dialog.scheduleModel()->lineCount();
}
}  // namespace names

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start, Clock::time_point end = Clock::now()) {
    return std::chrono::duration<double, std::milli>(end - start).count();
}

double timed(const std::function<void()>& work) {
    const auto start = Clock::now();
    work();
    return msSince(start);
}

double peakMiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
        }
    }
    return -1;
}

// The peak since the last call, which then starts a fresh one (writing 5 to
// clear_refs resets VmHWM to the present size), so each phase gets its own
// peak and the benchmark's own copies are kept out of the program's phases.
double takePeakMiB() {
    const double peak = peakMiB();
    QFile reset(QStringLiteral("/proc/self/clear_refs"));
    if (reset.open(QIODevice::WriteOnly)) {
        reset.write("5");
    }
    return peak;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

// The settings dialog's OK restarts the program; the benchmark never presses it.
class NoRestart : public ProgramControl {
  public:
    Expected<void> restartProgram(const std::function<void(SettingsRecord&)>&) override {
        return Failure{};
    }
    QString executable() const override { return {}; }
};

// Notes when the list's viewport gets its first paint event; the paint itself
// is over once the event loop call that delivered it returns.
class PaintWatch : public QObject {
  public:
    bool painted = false;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted = true;
        }
        return QObject::eventFilter(watched, event);
    }
};

qint64 fileSize(const ProgramFolder& folder, ScheduleKind kind) {
    return QFileInfo(folder.path(schedule::fileName(kind))).size();
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: ScheduleBench <program folder> [label]\n");
        return 2;
    }
    const QString label = args.value(1, QStringLiteral("run"));
    auto out = [&label](const QString& group, const QString& figures) {
        std::printf("schedule %s %-10s %s\n", qPrintable(label), qPrintable(group),
                    qPrintable(figures));
        std::fflush(stdout);
    };
    auto f = [](double value) { return QString::number(value, 'f', 2); };

    BenchPlatform platform;
    platform.realClock = true;  // LinuxPlatform's clock, at its cost per call
    ClockState state;
    const ClockTimers timers{};
    ClockStartup(state, timers, platform).loadState(args.first());
    const ProgramFolder& folder = state.programFolder;
    const qint64 reminderRecords =
        fileSize(folder, ScheduleKind::Reminders) / schedule::recordSize(ScheduleKind::Reminders);
    const qint64 launchRecords =
        fileSize(folder, ScheduleKind::Launches) / schedule::recordSize(ScheduleKind::Launches);
    out(QStringLiteral("files"),
        QStringLiteral("reminders=%1 launches=%2 records").arg(reminderRecords).arg(launchRecords));
    const double baseMiB = takePeakMiB();

    // Due checks. The first tick of each reloads its file (the flag is up at
    // start) and runs the overdue check; later ticks walk the loaded list.
    ReminderDueCheck reminders(state, timers, platform);
    LaunchDueCheck launches(state, timers, platform);
    const double firstReminders = timed([&] { names::reminderTick(reminders); });
    const double firstLaunches = timed([&] { names::launchTick(launches); });
    out(QStringLiteral("first_tick"),
        QStringLiteral("reminders=%1 launches=%2 ms").arg(f(firstReminders), f(firstLaunches)));

    std::vector<double> reminderTicks;
    std::vector<double> launchTicks;
    const auto steadyStart = Clock::now();
    while (reminderTicks.size() < 25 && (reminderTicks.size() < 3 || msSince(steadyStart) < 5000)) {
        reminderTicks.push_back(timed([&] { names::reminderTick(reminders); }));
        launchTicks.push_back(timed([&] { names::launchTick(launches); }));
    }
    out(QStringLiteral("tick"), QStringLiteral("reminders=%1 launches=%2 ms (median of %3)")
                                    .arg(f(median(reminderTicks)), f(median(launchTicks)))
                                    .arg(reminderTicks.size()));
    const double dueMiB = takePeakMiB();

    // The list's lines on their own, as the dialog and the command line read
    // them: both files read and sorted.
    const double listingMs = timed([&] { (void)ScheduleLines::read(folder).size(); });
    const double aloneMiB = takePeakMiB();
    // The allocator keeps what these copies freed as resident; hand it back so
    // the phases after count the program's memory, not the benchmark's.
    malloc_trim(0);
    takePeakMiB();

    // Opening the dialog as the menu does: shown, activated (which fills the
    // list) and painted. The model's signals mark where filling starts (the
    // list is cleared), where the first line goes in (the files are read and
    // sorted) and where the last one does.
    StubSwitch idleCheck;
    const ClockTimers dialogTimers = names::timersWithIdleCheck(idleCheck);
    DialogProtocol protocol(state, dialogTimers, platform);
    NoRestart program;
    DialogContext context{state, dialogTimers, protocol, platform, program, {}};
    const auto constructStart = Clock::now();
    names::ScheduleDialog dialog(context);
    const double constructMs = msSince(constructStart);
    QListView* list = names::scheduleList(dialog);
    Clock::time_point cleared{};
    Clock::time_point firstRow{};
    Clock::time_point lastRow{};
    QObject::connect(list->model(), &QAbstractItemModel::modelReset,
                     [&] { cleared = Clock::now(); });
    QObject::connect(list->model(), &QAbstractItemModel::rowsInserted, [&] {
        lastRow = Clock::now();
        if (firstRow == Clock::time_point{}) {
            firstRow = lastRow;
        }
    });
    PaintWatch paint;
    list->viewport()->installEventFilter(&paint);
    const auto openStart = Clock::now();
    dialog.showAndRaise();
    while (!paint.painted && msSince(openStart) < 120000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    const auto painted = Clock::now();
    if (!paint.painted || cleared == Clock::time_point{} || firstRow == Clock::time_point{}) {
        out(QStringLiteral("list_open"),
            QStringLiteral("incomplete: painted=%1 filled=%2 (no activation on this platform?)")
                .arg(paint.painted)
                .arg(cleared != Clock::time_point{}));
    } else {
        out(QStringLiteral("list_open"),
            QStringLiteral("fill=%1 first_paint=%2 total=%3 ms")
                .arg(f(msSince(firstRow, lastRow)), f(msSince(lastRow, painted)),
                     f(msSince(openStart, painted))));
        out(QStringLiteral("list_parts"),
            QStringLiteral("show_to_fill=%1 listing_in_dialog=%2 listing_alone=%3 "
                           "dialog_construct=%4 lines=%5 ms")
                .arg(f(msSince(openStart, cleared)), f(msSince(cleared, firstRow)), f(listingMs),
                     f(constructMs))
                .arg(names::lineCount(dialog)));
    }
    const double listMiB = takePeakMiB();

    // Removing one key, as a due check after an announcement or the list's
    // delete command does: the file is rewritten without the key's records
    // and the due check reloads at its next tick.
    ScheduleFiles files(state.programFolder);
    auto removeMiddle = [&](ScheduleKind kind, qint64 records) {
        // The middle record's key, found without a copy of the whole file.
        ScheduleKey key;
        qint64 seen = 0;
        forEachScheduleRecord(folder.path(schedule::fileName(kind)), schedule::recordSize(kind), -1,
                              [&](QByteArrayView rec) {
                                  if (seen++ == records / 2) {
                                      key = ScheduleEntry::fromRecord(kind, rec).key();
                                  }
                              });
        if (seen == 0) {
            return std::pair<double, qint64>{0.0, 0};
        }
        const double ms = timed([&] { (void)files.remove(kind, key); });
        schedule::reloadFlag(state, kind) = true;  // as the removal's caller does
        const qint64 left = fileSize(folder, kind) / schedule::recordSize(kind);
        return std::pair<double, qint64>{ms, records - left};
    };
    const auto [removeReminders, goneReminders] =
        removeMiddle(ScheduleKind::Reminders, reminderRecords);
    const auto [removeLaunches, goneLaunches] = removeMiddle(ScheduleKind::Launches, launchRecords);
    const double reloadReminders = timed([&] { names::reminderTick(reminders); });
    const double reloadLaunches = timed([&] { names::launchTick(launches); });
    out(QStringLiteral("remove_key"),
        QStringLiteral("reminders=%1 launches=%2 ms (records removed %3, %4; reload tick after: "
                       "reminders=%5 launches=%6 ms)")
            .arg(f(removeReminders), f(removeLaunches))
            .arg(goneReminders)
            .arg(goneLaunches)
            .arg(f(reloadReminders), f(reloadLaunches)));

    const double removeMiB = takePeakMiB();
    out(QStringLiteral("peak_rss"),
        QStringLiteral("max=%1 MiB (start %2, due checks %3, list open %4, removal %5; "
                       "the benchmark's own listing copies %6, not counted)")
            .arg(f(std::max({baseMiB, dueMiB, listMiB, removeMiB})), f(baseMiB), f(dueMiB),
                 f(listMiB), f(removeMiB), f(aloneMiB)));
    if (platform.messages || platform.errors || platform.started) {
        out(QStringLiteral("warning"), QStringLiteral("messages=%1 errors=%2 started=%3")
                                           .arg(platform.messages)
                                           .arg(platform.errors)
                                           .arg(platform.started));
    }
    return 0;
}
