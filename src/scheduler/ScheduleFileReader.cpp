#include "scheduler/ScheduleFileReader.h"

#include <QFile>
#include <QFileInfo>
#include <cstring>

namespace {
// Records per read: large reads keep the calls few, and the buffer small
// beside the lists built from it.
constexpr qint64 kRecordsPerRead = 1024;
}  // namespace

ScheduleRead forEachScheduleRecord(const QString& path, int recordSize, qsizetype maxRecords,
                                   const std::function<void(QByteArrayView)>& each) {
    ScheduleRead result;
    if (recordSize <= 0) {
        return result;
    }
    QFile file(path);
    if (!file.exists()) {
        result.missing = true;
        return result;
    }
    // A folder, pipe or device under the file's name is no schedule; opening a
    // pipe would wait for a writer.
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        return result;
    }
    QByteArray buffer(recordSize * kRecordsPerRead, Qt::Uninitialized);
    qsizetype seen = 0;
    qint64 held = 0;  // bytes of a record begun at the end of the last read
    for (;;) {
        const qint64 got = file.read(buffer.data() + held, buffer.size() - held);
        if (got < 0) {
            return result;  // a failed read: what came before stays delivered
        }
        held += got;
        const qint64 whole = held / recordSize;
        for (qint64 r = 0; r < whole; ++r) {
            each(QByteArrayView(buffer.constData() + r * recordSize, recordSize));
            if (++seen == maxRecords) {
                result.complete = true;
                return result;
            }
        }
        const qint64 rest = held - whole * recordSize;
        if (got == 0) {
            // The end: a file without one whole record counts as a failed read.
            result.complete = seen > 0;
            return result;
        }
        std::memmove(buffer.data(), buffer.constData() + whole * recordSize, size_t(rest));
        held = rest;
    }
}

ScheduleRead readScheduleEntries(const QString& path, ScheduleKind kind, qsizetype maxRecords,
                                 ScheduleList& into) {
    const int size = schedule::recordSize(kind);
    const qsizetype first = into.size();
    qsizetype expected = QFileInfo(path).size() / size;
    if (maxRecords >= 0) {
        expected = qMin(expected, maxRecords);
    }
    into.reserve(first + expected);
    // Room for every text at its longest: the pages never written are never
    // taken from the system, and the squeeze below gives the rest back in
    // place, where growing on the way would copy the buffer again and again.
    QByteArray texts;
    texts.reserve(expected * size);
    const ScheduleRead read = forEachScheduleRecord(
        path, size, maxRecords,
        [&](QByteArrayView rec) { into.append(ScheduleEntry::fromRecord(kind, rec, texts)); });
    // Only now that the buffer no longer grows can the entries share it.
    texts.squeeze();
    for (qsizetype i = first; i < into.size(); ++i) {
        into[i].textStore = texts;
    }
    return read;
}
