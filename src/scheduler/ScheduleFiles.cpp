#include "scheduler/ScheduleFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/Platform.h"
#include "scheduler/LaunchRecord.h"
#include "scheduler/ReminderRecord.h"
#include "scheduler/ScheduleEntryReader.h"
#include "scheduler/ScheduleReader.h"
#include "settings/ScratchWriter.h"
#include "state/TimerSwitch.h"

namespace {
QString tr(const char* text) {
    return QCoreApplication::translate("ScheduleFiles", text);
}

// Bytes per read of a rewrite, and so at most per write: few calls, and
// little held beside the file.
constexpr qsizetype kWriteBuffer = 1 << 20;
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
    ScheduleList& loaded = kind == ScheduleKind::Reminders ? reminderList_ : launchList_;
    loaded = {};  // let go before the read, so the old and the new are not held together
    ScheduleList fresh;
    const ScheduleRead read = readScheduleEntries(filePath(kind), kind, kMaxEntries, fresh);
    if (!read.complete) {
        fresh.clear();
    }
    fresh.squeeze();
    loaded = fresh;
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
    if (!QFileInfo(path).isFile() || !main.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        return report(
            tr("Не удалось открыть файл расписания %1: %2").arg(native, main.errorString()));
    }
    // One pass: records of the key are looked for without writing anything.
    // The scratch file is begun once there is something to keep past the
    // first one of them: the records before it are copied first, then the
    // kept ones stream after them.
    const int size = schedule::recordSize(kind);
    const qint64 day = ScheduleEntry::dayNumber(key.day);
    ScratchWriter scratch(scratchPath(kind));
    bool begun = false;
    // Whole records per read, about a write buffer's worth.
    QByteArray in(qMax<qsizetype>(1, kWriteBuffer / size) * size, Qt::Uninitialized);
    qint64 keptBytes = 0;
    qint64 firstMatch = -1;
    qint64 offset = 0;  // of the first record in `in`
    QString why;
    // The records before the first one of the key are copied by the kernel
    // from the file already open, not read a second time.
    const auto begin = [&]() {
        begun = true;
        return scratch.open(&why) &&
               (firstMatch <= 0 || scratch.copyFrom(main, 0, firstMatch, &why));
    };
    // Kept records next to each other in `in` go out in one write.
    qint64 run = -1;  // the first record of the run not yet written
    const auto writeRun = [&](qint64 end) {
        const qint64 from = run;
        run = -1;
        return from < 0 ||
               scratch.write(QByteArrayView(in.constData() + from * size, (end - from) * size),
                             &why);
    };
    const auto failed = [&]() {
        return report(tr("Не удалось переписать файл расписания %1: %2").arg(native, why));
    };
    for (;;) {
        const qint64 got = main.read(in.data(), in.size());
        if (got <= 0) {
            break;
        }
        const qint64 whole = got / size;
        for (qint64 r = 0; r < whole; ++r) {
            const QByteArrayView rec(in.constData() + r * size, size);
            if (ScheduleEntry::recordMatches(rec, day, key.time)) {
                if (firstMatch < 0) {
                    firstMatch = offset + r * size;
                    if (firstMatch > 0 && !begin()) {
                        return failed();
                    }
                } else if (!writeRun(r)) {
                    return failed();
                }
                continue;
            }
            keptBytes += size;
            if (firstMatch < 0) {
                continue;
            }
            if (!begun && !begin()) {
                return failed();
            }
            if (run < 0) {
                run = r;
            }
        }
        if (!writeRun(whole)) {
            return failed();
        }
        offset += whole * size;
        if (got % size != 0) {
            break;  // a partial record at the end, which no reader takes
        }
    }
    if (main.error() != QFileDevice::NoError) {
        if (begun) {
            scratch.discard();
        }
        return report(
            tr("Не удалось прочитать файл расписания %1: %2").arg(native, main.errorString()));
    }
    main.close();
    if (firstMatch < 0) {
        return true;  // nothing of the key left: the file stays as it is
    }
    if (keptBytes == 0) {
        if (!QFile::remove(path)) {
            return report(tr("Не удалось удалить файл расписания %1.").arg(native));
        }
        QFile::remove(scratchPath(kind));  // one left over by an interrupted rewrite
        return true;
    }
    if (!scratch.commitOver(path, &why)) {
        return failed();
    }
    return true;
}
