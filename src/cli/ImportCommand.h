#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <optional>

#include "scheduler/RepeatEntry.h"

struct CommandContext;
struct ImportedReminder;
class ProgramFolder;
class ScheduleFiles;

// `import FILE`: the events and to-dos of an iCalendar file added to the
// reminders, all in one rewrite of the file or none; each item left out is
// named on standard error. A file that is no calendar is refused whole.
class ImportCommand {
  public:
    explicit ImportCommand(const CommandContext& context) : context_(context) {}
    int run(const QStringList& arguments) const;

  private:
    // The file's bytes; the status of the refusal when it cannot be read.
    std::optional<int> read(const QString& name, QByteArray& bytes) const;
    // The reminders' records that the schedule does not hold yet, counting
    // those it does in `repeated`, and the rules of the repeating ones.
    QList<QByteArray> newRecords(const QList<ImportedReminder>& reminders,
                                 const ScheduleFiles& files, qsizetype& repeated,
                                 QList<RepeatEntry>& rules) const;
    // Appends the records in one rewrite, then the rules, and says how many
    // were added.
    int add(const ProgramFolder& folder, const ScheduleFiles& files,
            const QList<QByteArray>& records, const QList<RepeatEntry>& rules) const;

    const CommandContext& context_;
};
