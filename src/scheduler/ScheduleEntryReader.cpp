#include "scheduler/ScheduleEntryReader.h"

#include <QFileInfo>

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
