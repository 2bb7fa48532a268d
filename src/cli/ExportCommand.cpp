#include "cli/ExportCommand.h"

#include <QDir>
#include <QSaveFile>
#include <QTimeZone>

#include "cli/CalendarExport.h"
#include "cli/CommandContext.h"
#include "scheduler/ScheduleFiles.h"
#include "settings/ProgramFolder.h"

int ExportCommand::run(const QStringList& arguments) const {
    bool reminders = false;
    bool launches = false;
    QString file;
    for (const QString& argument : arguments) {
        const bool all = argument == QStringLiteral("--all");
        if (all || argument == QStringLiteral("--reminders") ||
            argument == QStringLiteral("--launches")) {
            reminders = reminders || all || argument == QStringLiteral("--reminders");
            launches = launches || all || argument == QStringLiteral("--launches");
        } else if (argument.startsWith(u'-')) {
            return context_.usage(
                QStringLiteral("export takes --reminders, --launches or --all, not \"%1\".")
                    .arg(argument));
        } else if (!file.isEmpty()) {
            return context_.usage(
                QStringLiteral("export writes one file, not \"%1\" too.").arg(argument));
        } else {
            file = argument;
        }
    }
    if (!reminders && !launches) {
        reminders = true;
    }
    const ProgramFolder folder(context_.programFolder);
    const ScheduleFiles files(folder);
    CalendarExport calendar(QTimeZone::systemTimeZone(), context_.now);
    for (const auto& [kind, wanted] : {std::pair{ScheduleKind::Reminders, reminders},
                                       std::pair{ScheduleKind::Launches, launches}}) {
        if (wanted) {
            for (const ScheduleEntry& entry : files.load(kind)) {
                calendar.add(entry);
            }
        }
    }
    context_.report(calendar.problems());
    if (file.isEmpty()) {
        context_.out << QString::fromUtf8(calendar.text());
        return command::Done;
    }
    QSaveFile out(QDir(context_.currentFolder).absoluteFilePath(file));
    if (!out.open(QIODevice::WriteOnly) || out.write(calendar.text()) < 0 || !out.commit()) {
        return context_.refuse(QStringLiteral("Cannot write %1: %2.").arg(file, out.errorString()));
    }
    return command::Done;
}
