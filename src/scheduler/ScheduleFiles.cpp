#include "scheduler/ScheduleFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/Platform.h"
#include "scheduler/LaunchRecord.h"
#include "scheduler/ReminderRecord.h"
#include "scheduler/ScheduleReader.h"
#include "settings/SafeWrite.h"
#include "state/TimerSwitch.h"

namespace {
QString tr(const char* text) {
    return QCoreApplication::translate("ScheduleFiles", text);
}

// Whether the stored date and time of one whole record match the key; both
// kinds keep them at the same offsets.
bool recordMatches(ScheduleKind kind, const QByteArray& rec, const ScheduleKey& key) {
    if (kind == ScheduleKind::Reminders) {
        const ReminderRecord r = ReminderRecord::fromBytes(rec);
        return key.matches(r.date(), r.timeBytes());
    }
    const LaunchRecord r = LaunchRecord::fromBytes(rec);
    return key.matches(r.date(), r.timeBytes());
}
}  // namespace

ScheduleFiles::ScheduleFiles(ClockState& state, ClockTimers timers, Platform& platform)
    : state_(state), timers_(timers), platform_(platform) {}

QString ScheduleFiles::filePath(ScheduleKind kind) const {
    return state_.programFolder.path(schedule::fileName(kind));
}

QString ScheduleFiles::scratchPath(ScheduleKind kind) const {
    return state_.programFolder.path(schedule::scratchName(kind));
}

bool ScheduleFiles::report(const QString& text) {
    platform_.showError(text);
    return false;
}

bool ScheduleFiles::appendEntry(const ReminderRecord& record) {
    return appendEntry(ScheduleKind::Reminders, record.bytes());
}

bool ScheduleFiles::appendEntry(const LaunchRecord& record) {
    return appendEntry(ScheduleKind::Launches, record.bytes());
}

bool ScheduleFiles::appendEntry(ScheduleKind kind, const QByteArray& record) {
    const int size = schedule::recordSize(kind);
    QByteArray rec = record.left(size);
    rec.resize(size, '\0');
    const QString path = filePath(kind);
    QFile file(path);
    const bool existed = QFileInfo::exists(path);
    qint64 end = 0;
    if (existed) {
        // Never recreate a file that exists: that would throw its records away.
        if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered)) {
            return report(tr("Не удалось открыть файл расписания %1: %2")
                              .arg(QDir::toNativeSeparators(path), file.errorString()));
        }
        // After the last whole record: a partial record at the end is overwritten.
        end = file.size() / size * size;
        if (end != file.pos() && !file.seek(end)) {
            return report(tr("Не удалось записать файл расписания %1: %2")
                              .arg(QDir::toNativeSeparators(path), file.errorString()));
        }
    } else {
        QDir().mkpath(QFileInfo(path).absolutePath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
            return report(tr("Не удалось создать файл расписания %1: %2")
                              .arg(QDir::toNativeSeparators(path), file.errorString()));
        }
    }
    // One write of the whole record; if the disk takes only part of it, the
    // part is cut off again so the file keeps whole records only.
    if (file.write(rec) != size) {
        const QString why = file.errorString();
        if (existed) {
            file.resize(end);
            file.close();
        } else {
            file.close();
            QFile::remove(path);
        }
        return report(tr("Не удалось записать файл расписания %1: %2")
                          .arg(QDir::toNativeSeparators(path), why));
    }
    file.close();
    return true;
}

ScheduleList ScheduleFiles::loadEntries(ScheduleKind kind) {
    ScheduleList fresh;
    const ScheduleRead read =
        readScheduleFile(filePath(kind), schedule::recordSize(kind), kMaxEntries);
    if (read.complete) {
        fresh.reserve(read.records.size());
        for (const QByteArray& rec : read.records) {
            fresh.append(ScheduleEntry::fromRecord(kind, rec));
        }
    }
    (kind == ScheduleKind::Reminders ? reminderList_ : launchList_) = fresh;
    return fresh;
}

const ScheduleList& ScheduleFiles::list(ScheduleKind kind) const {
    return kind == ScheduleKind::Reminders ? reminderList_ : launchList_;
}

bool ScheduleFiles::removeEntries(ScheduleKind kind, const ScheduleKey& key, bool requestReload) {
    const bool done = rewriteWithout(kind, key);
    if (requestReload) {
        schedule::reloadFlag(state_, kind) = true;
    }
    if (TimerSwitch* timer = schedule::dueTimer(timers_, kind)) {
        timer->enable();
    }
    return done;
}

bool ScheduleFiles::rewriteWithout(ScheduleKind kind, const ScheduleKey& key) {
    const QString path = filePath(kind);
    const QString native = QDir::toNativeSeparators(path);
    // Two entries of one key fired in one walk, or a second line of a key
    // deleted from the list: the first removal took the file away already.
    if (!QFileInfo::exists(path)) {
        return true;
    }
    QFile main(path);
    if (!QFileInfo(path).isFile() || !main.open(QIODevice::ReadOnly)) {
        return report(
            tr("Не удалось открыть файл расписания %1: %2").arg(native, main.errorString()));
    }
    const int size = schedule::recordSize(kind);
    QByteArray kept;
    bool dropped = false;
    for (;;) {
        const QByteArray rec = main.read(size);
        if (rec.size() != size) {
            break;  // the end, or a partial record that no reader takes
        }
        if (recordMatches(kind, rec, key)) {
            dropped = true;
        } else {
            kept += rec;
        }
    }
    if (main.error() != QFileDevice::NoError) {
        return report(
            tr("Не удалось прочитать файл расписания %1: %2").arg(native, main.errorString()));
    }
    main.close();
    if (!dropped) {
        return true;  // nothing of the key left: the file stays as it is
    }
    const QString scratch = scratchPath(kind);
    if (kept.isEmpty()) {
        if (!QFile::remove(path)) {
            return report(tr("Не удалось удалить файл расписания %1.").arg(native));
        }
        QFile::remove(scratch);  // one left over by an interrupted rewrite
        return true;
    }
    QString why;
    if (!safewrite::replaceThroughScratch(scratch, path, kept, &why)) {
        return report(tr("Не удалось переписать файл расписания %1: %2").arg(native, why));
    }
    return true;
}
