#include "cli/CommandContext.h"

int CommandContext::refuse(const QString& problem) const {
    report({problem});
    return command::Refused;
}

int CommandContext::usage(const QString& problem) const {
    err << "chronidex: " << problem << '\n' << "Try 'chronidex --help'.\n";
    err.flush();
    return command::UsageError;
}

void CommandContext::report(const QStringList& problems) const {
    for (const QString& problem : problems) {
        err << "chronidex: " << problem << '\n';
    }
    err.flush();
}
