// Prepares a laid-out program folder for a benchmark: switches auto-hide and
// sound off in "system.ini" and writes schedules of a given size, built
// record by record with the program's own record classes.
//
//   PrepareFolder <folder> [--quiet] [--reminders N] [--launches N]
//
// Every entry lies on a day from tomorrow on, so a first tick finds nothing
// overdue and a steady tick walks the whole list without firing anything.

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>

#include "scheduler/LaunchRecord.h"
#include "scheduler/ReminderRecord.h"
#include "scheduler/ScheduleKind.h"
#include "scheduler/ScheduleTime.h"
#include "settings/DayCount.h"
#include "settings/ProgramFolder.h"
#include "settings/SettingsFile.h"

namespace {

// A fixed sequence, so every run of a size writes the same files.
class Sequence {
  public:
    explicit Sequence(quint32 seed) : state_(seed) {}
    quint32 next(quint32 bound) {
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) % bound;
    }

  private:
    quint32 state_;
};

// Ten years of days: a large schedule spreads over many days, with a few
// dozen entries on each day at 100,000, and some keys shared by two entries.
constexpr int kDaySpan = 3650;

QString timeOf(Sequence& seq) {
    return ScheduleTime::twoDigits(int(seq.next(24))) + QLatin1Char(':') +
           ScheduleTime::twoDigits(int(seq.next(60)));
}

double dayOf(Sequence& seq, const QDate& today) {
    return daycount::fromDate(today.addDays(1 + seq.next(kDaySpan)));
}

QByteArray reminders(int count, const QDate& today) {
    Sequence seq(1);
    QByteArray bytes;
    bytes.reserve(qsizetype(count) * ReminderRecord::kSize);
    for (int i = 0; i < count; ++i) {
        ReminderRecord rec;
        rec.setDate(dayOf(seq, today));
        rec.setTime(timeOf(seq));
        rec.setText(QStringLiteral("Позвонить по делу номер %1\nи записать ответ").arg(i));
        bytes += rec.bytes();
    }
    return bytes;
}

QByteArray launches(int count, const QDate& today) {
    Sequence seq(2);
    QByteArray bytes;
    bytes.reserve(qsizetype(count) * LaunchRecord::kSize);
    for (int i = 0; i < count; ++i) {
        LaunchRecord rec;
        rec.setDate(dayOf(seq, today));
        rec.setTime(timeOf(seq));
        rec.setFile(QStringLiteral("/usr/local/bin/backup-job-%1.sh").arg(i));
        bytes += rec.bytes();
    }
    return bytes;
}

bool writeWhole(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path),
                     qPrintable(file.errorString()));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        std::fprintf(stderr,
                     "usage: PrepareFolder <folder> [--quiet] [--reminders N] "
                     "[--launches N]\n");
        return 2;
    }
    const ProgramFolder folder(args.first());
    const QDate today = QDate::currentDate();
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--quiet")) {
            const SettingsFile settings(folder.path(QStringLiteral("\\system\\system.ini")));
            const Expected<void> done = settings.updateCopy([](SettingsRecord& rec) {
                rec.setAutoHide(false);
                rec.setNoPullTab(false);
                rec.setSoundOff(true);
            });
            if (!done) {
                std::fprintf(stderr, "cannot set up system.ini: %s\n", qPrintable(done.error()));
                return 1;
            }
        } else if ((arg == QLatin1String("--reminders") || arg == QLatin1String("--launches")) &&
                   i + 1 < args.size()) {
            const int count = args[++i].toInt();
            const bool rem = arg == QLatin1String("--reminders");
            const ScheduleKind kind = rem ? ScheduleKind::Reminders : ScheduleKind::Launches;
            const QByteArray bytes = rem ? reminders(count, today) : launches(count, today);
            if (!writeWhole(folder.path(schedule::fileName(kind)), bytes)) {
                return 1;
            }
        } else {
            std::fprintf(stderr, "unknown argument %s\n", qPrintable(arg));
            return 2;
        }
    }
    return 0;
}
