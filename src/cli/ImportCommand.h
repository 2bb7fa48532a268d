#pragma once

#include <QStringList>

struct CommandContext;

// `import FILE`: the events and to-dos of an iCalendar file added to the
// reminders, all in one rewrite of the file or none; each item left out is
// named on standard error. A file that is no calendar is refused whole.
class ImportCommand {
  public:
    explicit ImportCommand(const CommandContext& context) : context_(context) {}
    int run(const QStringList& arguments) const;

  private:
    const CommandContext& context_;
};
