#pragma once

#include <QStringList>

struct CommandContext;

// `list [--reminders|--launches] [--json]`: the schedule as the list shows
// it, a line an entry or a JSON array for scripts.
class ListCommand {
  public:
    explicit ListCommand(const CommandContext& context) : context_(context) {}
    int run(const QStringList& arguments) const;

  private:
    const CommandContext& context_;
};
