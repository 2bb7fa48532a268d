#pragma once

#include <QStringList>

struct CommandContext;

// `export [--reminders|--launches|--all] [FILE]`: the schedule as an
// iCalendar file, on standard output without FILE.
class ExportCommand {
  public:
    explicit ExportCommand(const CommandContext& context) : context_(context) {}
    int run(const QStringList& arguments) const;

  private:
    const CommandContext& context_;
};
