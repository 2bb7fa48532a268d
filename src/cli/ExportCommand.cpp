#include "cli/ExportCommand.h"

#include <QDir>
#include <QSaveFile>
#include <QTimeZone>

#include "cli/CommandContext.h"
#include "ical/ICalExport.h"
#include "scheduler/RepeatFile.h"
#include "scheduler/ScheduleFiles.h"
#include "settings/PlainFile.h"
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
    const QString path =
        file.isEmpty() ? QString() : QDir(context_.currentFolder).absoluteFilePath(file);
    // The schedules, the settings and the rest of the system folder are the
    // program's own: an export onto one of them would replace it with text.
    const QString system = folder.path(QStringLiteral("\\system"));
    if (!file.isEmpty() && plainfile::writesInto(path, system)) {
        return context_.refuse(
            QStringLiteral("Cannot write %1: it lies in the program's own system folder %2.")
                .arg(file, QDir::toNativeSeparators(system)));
    }
    const ScheduleFiles files(folder);
    ICalExport calendar(QTimeZone::systemTimeZone(), context_.now);
    for (const auto& [kind, wanted] : {std::pair{ScheduleKind::Reminders, reminders},
                                       std::pair{ScheduleKind::Launches, launches}}) {
        if (wanted) {
            const ScheduleList entries = files.load(kind);
            // A rule file in trouble exports its reminders as single ones.
            const RepeatMatch rules(entries, kind == ScheduleKind::Reminders
                                                 ? RepeatFile(folder).read().entries
                                                 : QList<RepeatEntry>());
            for (qsizetype i = 0; i < entries.size(); ++i) {
                const std::optional<RepeatEntry> rule = rules.ruleOf(i);
                calendar.add(entries[i], rule ? rule->rule : RepeatRule::Never,
                             rule ? rule->anchor : QDate());
            }
        }
    }
    context_.report(calendar.problems());
    if (file.isEmpty()) {
        context_.out << QString::fromUtf8(calendar.text());
        return command::Done;
    }
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(calendar.text()) < 0 || !out.commit()) {
        return context_.refuse(QStringLiteral("Cannot write %1: %2.").arg(file, out.errorString()));
    }
    return command::Done;
}
