#include "scheduler/ScheduleFiles.h"

#include <fcntl.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "scheduler/LaunchRecord.h"
#include "scheduler/RecordRemoval.h"
#include "scheduler/ReminderRecord.h"
#include "scheduler/ScheduleFileReader.h"
#include "settings/FolderLock.h"
#include "settings/PlainFile.h"
#include "settings/ProgramFolder.h"
#include "settings/ScratchWriter.h"
#include "texts/ScheduleTexts.h"

ScheduleFiles::ScheduleFiles(const ProgramFolder& folder) : folder_(folder) {}

QString ScheduleFiles::filePath(ScheduleKind kind) const {
    return folder_.path(schedule::fileName(kind));
}

QString ScheduleFiles::scratchPath(ScheduleKind kind) const {
    return folder_.path(schedule::scratchName(kind));
}

QString ScheduleFiles::folderOf(ScheduleKind kind) const {
    return QFileInfo(filePath(kind)).absolutePath();
}

// For a file not there yet its folder is made, unless the name is a
// dangling link, whose end is where the user chose to keep it.
Expected<ScheduleFiles::WriteTarget> ScheduleFiles::writeTarget(ScheduleKind kind,
                                                                const FolderLock& lock) const {
    if (!lock.held()) {
        return busy(kind);
    }
    const QString path = filePath(kind);
    WriteTarget site;
    site.file = plainfile::linkEnd(path);
    site.shown = QDir::toNativeSeparators(path);
    site.linked = QFileInfo(path).isSymLink();
    site.existed = present(site.file);
    if (!site.existed && !site.linked) {
        QDir().mkpath(folderOf(kind));
    }
    return site;
}

// The record cut or filled up with zero bytes to the kind's size.
QByteArray ScheduleFiles::wholeRecord(ScheduleKind kind, const QByteArray& record) {
    const int size = schedule::recordSize(kind);
    QByteArray rec = record.left(size);
    rec.resize(size, '\0');
    return rec;
}

// A writer of the same folder that did not finish within the wait.
Failure ScheduleFiles::busy(ScheduleKind kind) const {
    return {scheduletexts::busy(QDir::toNativeSeparators(filePath(kind)))};
}

// A write that would take the file past what the readers read.
Failure ScheduleFiles::full(ScheduleKind kind, qint64 held, qint64 adding) const {
    return {
        scheduletexts::full(QDir::toNativeSeparators(filePath(kind)), held, adding, kMaxEntries)};
}

Expected<void> ScheduleFiles::append(const ReminderRecord& record) const {
    return append(ScheduleKind::Reminders, record.bytes());
}

Expected<void> ScheduleFiles::append(const LaunchRecord& record) const {
    return append(ScheduleKind::Launches, record.bytes());
}

Expected<void> ScheduleFiles::append(ScheduleKind kind, const QByteArray& record) const {
    const int size = schedule::recordSize(kind);
    const QByteArray rec = wholeRecord(kind, record);
    const FolderLock lock(folderOf(kind));
    const Expected<WriteTarget> site = writeTarget(kind, lock);
    if (!site) {
        return Failure{site.error()};
    }
    const QString& native = site->shown;
    const bool existed = site->existed;
    // Never recreate a file that exists: that would throw its records away.
    const Expected<int> fd =
        plainfile::openRegular(site->file, existed ? O_RDWR : O_RDWR | O_CREAT | O_EXCL);
    if (!fd) {
        return Failure{existed ? scheduletexts::notOpened(native, fd.error())
                               : scheduletexts::notCreated(native, fd.error())};
    }
    QFile file;
    file.open(*fd, QIODevice::ReadWrite | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle);
    // After the last whole record: a partial record at the end is overwritten.
    const qint64 end = existed ? file.size() / size * size : 0;
    if (end / size >= kMaxEntries) {
        return full(kind, end / size, 1);
    }
    if (end != file.pos() && !file.seek(end)) {
        return Failure{scheduletexts::notWritten(native, file.errorString())};
    }
    // One write of the whole record; if the disk takes only part of it, the
    // part is cut off again so the file keeps whole records only.
    if (file.write(rec) != size) {
        const QString failure = file.errorString();
        if (existed) {
            file.resize(end);
            file.close();
        } else {
            file.close();
            QFile::remove(site->file);
        }
        return Failure{scheduletexts::notWritten(native, failure)};
    }
    file.close();
    return {};
}

// A scratch file with the file's whole records and the new ones takes the
// file's name once it is on disk.
Expected<void> ScheduleFiles::appendAll(ScheduleKind kind, const QList<QByteArray>& records) const {
    const int size = schedule::recordSize(kind);
    QByteArray added;
    for (const QByteArray& record : records) {
        added += wholeRecord(kind, record);
    }
    if (added.isEmpty()) {
        return {};
    }
    const FolderLock lock(folderOf(kind));
    const Expected<WriteTarget> site = writeTarget(kind, lock);
    if (!site) {
        return Failure{site.error()};
    }
    QFile file;
    qint64 kept = 0;
    if (site->existed) {
        const Expected<int> fd = plainfile::openRegular(site->file, O_RDONLY);
        if (!fd) {
            return Failure{scheduletexts::notOpened(site->shown, fd.error())};
        }
        file.open(*fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle);
        kept = file.size() / size * size;
    }
    if (kept / size + records.size() > kMaxEntries) {
        return full(kind, kept / size, records.size());
    }
    ScratchWriter scratch(
        site->linked ? site->file : scratchPath(kind),
        site->linked ? ScratchWriter::Naming::Beside : ScratchWriter::Naming::Fixed);
    Expected<void> done = scratch.open();
    if (done && kept > 0) {
        done = scratch.copyFrom(file, 0, kept);
    }
    if (done) {
        done = scratch.write(added);
    }
    if (done) {
        done = scratch.commitOver(site->file);
    }
    if (!done) {
        return Failure{scheduletexts::notRewritten(site->shown, done.error())};
    }
    return {};
}

ScheduleList ScheduleFiles::load(ScheduleKind kind) const {
    ScheduleList fresh;
    const ScheduleRead read = readScheduleEntries(filePath(kind), kind, kMaxEntries, fresh);
    if (!read.complete) {
        fresh.clear();
    }
    fresh.squeeze();
    return fresh;
}

QString ScheduleFiles::refusal(ScheduleKind kind) const {
    const QString why = plainfile::refusal(filePath(kind));
    if (why.isEmpty()) {
        return {};
    }
    return scheduletexts::notOpened(QDir::toNativeSeparators(filePath(kind)), why);
}

bool ScheduleFiles::present(const QString& path) {
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

Expected<void> ScheduleFiles::remove(ScheduleKind kind, const ScheduleKey& key) const {
    const FolderLock lock(folderOf(kind));
    if (!lock.held()) {
        return busy(kind);
    }
    return RecordRemoval(filePath(kind), scratchPath(kind), schedule::recordSize(kind), key).run();
}

Expected<void> ScheduleFiles::removeEntries(ScheduleKind kind, const ScheduleList& entries) const {
    return replaceEntries(kind, entries, {});
}

Expected<void> ScheduleFiles::replaceEntries(ScheduleKind kind, const ScheduleList& entries,
                                             const QList<QByteArray>& added) const {
    if (entries.isEmpty() && added.isEmpty()) {
        return {};
    }
    QByteArray tail;
    for (const QByteArray& record : added) {
        tail += wholeRecord(kind, record);
    }
    const FolderLock lock(folderOf(kind));
    if (!lock.held()) {
        return busy(kind);
    }
    const int size = schedule::recordSize(kind);
    // The records the rewrite keeps and adds must stay within what the
    // readers read; the ones it drops are not counted, as they may be gone.
    if (!added.isEmpty()) {
        const qint64 held = QFileInfo(plainfile::linkEnd(filePath(kind))).size() / size;
        if (held + added.size() - entries.size() > kMaxEntries) {
            return full(kind, held, added.size());
        }
    }
    ScheduleList left = entries;
    const RecordRemoval::Drops drops = [left](QByteArrayView record) mutable {
        for (qsizetype i = 0; i < left.size(); ++i) {
            if (left[i].readsAs(record)) {
                left.removeAt(i);
                return true;
            }
        }
        return false;
    };
    RecordRemoval removal(filePath(kind), scratchPath(kind), size, drops);
    removal.setTail(tail);
    return removal.run();
}
