#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

#include "scheduler/ScheduleKey.h"
#include "scheduler/ScheduleKind.h"

// What the kill writer writes, generation by generation, and so what each
// file must hold once generation g is complete. The writer and the test that
// kills it share this, so the test can tell the old whole content from the
// new one and both from anything torn or mixed. Generation 0 is the empty
// program folder; generation g is reached by one write of one file.
namespace killgen {

enum class Writer { Reminders, Launches, Settings, Holidays, Autostart, Repeats };

// The writers whose every generation is one whole content of each file.
// Repeats, left out, advances one repeating reminder a day at each
// generation: "napom.dat" and the rule file change in turn, so its test
// checks what the readers make of them instead.
const QList<Writer>& writers();
QString name(Writer writer);
std::optional<Writer> fromName(const QString& name);

// The files a writer touches, relative to the program folder's root.
QStringList files(Writer writer);

// Each of files(writer) with its bytes after generation g, or nothing for a
// file that must not exist. `root` is the program folder.
using FileContents = QMap<QString, std::optional<QByteArray>>;
FileContents expected(Writer writer, const QString& root, int generation);

// The schedules: in every block of six generations four records are
// appended, two keys interleaved, then the earlier block's first key goes
// (records in the middle of the file) and the key left from the block before
// it (records at the front).
struct ScheduleStep {
    bool append = false;
    QByteArray record;  // to append
    ScheduleKey key;    // to remove
};
ScheduleStep scheduleStep(ScheduleKind kind, int generation);
QList<QByteArray> scheduleRecords(ScheduleKind kind, int generation);

// system.ini: the defaults with the generation in the hide delay and the skin name.
QByteArray settingsBytes(int generation);

// Holidays: generation g rewrites month 1, 2 or 3 in turn; its first line is g.
int holidayMonth(int generation);
QStringList holidayEntries(int generation);

// The autostart entry: made for program folder "<root>/поколение N" at odd
// generations, removed at even ones.
QString autostartFolder(const QString& root);
QString autostartProgramFolder(const QString& root, int generation);

}  // namespace killgen
