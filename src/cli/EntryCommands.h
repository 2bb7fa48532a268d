#pragma once

#include <QByteArray>
#include <QStringList>

#include "cli/CommandContext.h"
#include "scheduler/ScheduleKind.h"

// `remind TIME [DAY] [--repeat RULE] TEXT`, `launch TIME [DAY] PATH` and
// `remove KIND DAY TIME`: one entry of the schedule added or taken away, as
// the editors and the schedule list do it, and a running clock asked to read
// the file again.
class EntryCommands {
  public:
    explicit EntryCommands(const CommandContext& context) : context_(context) {}

    int remind(const QStringList& arguments) const;
    int launch(const QStringList& arguments) const;
    int remove(const QStringList& arguments) const;

  private:
    int append(ScheduleKind kind, const QByteArray& record) const;

    const CommandContext& context_;
};
