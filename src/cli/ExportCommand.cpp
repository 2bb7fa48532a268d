#include "cli/ExportCommand.h"

#include <QDir>
#include <QSaveFile>
#include <QTimeZone>

#include "cli/CommandContext.h"
#include "ical/ICalExport.h"
#include "scheduler/RepeatFile.h"
#include "scheduler/ScheduleFiles.h"
#include "settings/Expected.h"
#include "settings/PlainFile.h"
#include "settings/ProgramFolder.h"

namespace {

struct Request {
    bool reminders = false;
    bool launches = false;
    QString file;  // empty for standard output
};

// What the arguments ask for, or the usage mistake.
Expected<Request> parse(const QStringList& arguments) {
    Request request;
    for (const QString& argument : arguments) {
        const bool all = argument == QStringLiteral("--all");
        if (all || argument == QStringLiteral("--reminders") ||
            argument == QStringLiteral("--launches")) {
            request.reminders =
                request.reminders || all || argument == QStringLiteral("--reminders");
            request.launches = request.launches || all || argument == QStringLiteral("--launches");
        } else if (argument.startsWith(u'-')) {
            return Failure{
                QStringLiteral("export takes --reminders, --launches or --all, not \"%1\".")
                    .arg(argument)};
        } else if (!request.file.isEmpty()) {
            return Failure{QStringLiteral("export writes one file, not \"%1\" too.").arg(argument)};
        } else {
            request.file = argument;
        }
    }
    if (!request.reminders && !request.launches) {
        request.reminders = true;
    }
    return request;
}

// The kind's entries, a reminder with its rule; a rule file in trouble
// exports its reminders as single ones.
void addSchedule(ICalExport& calendar, const ProgramFolder& folder, ScheduleKind kind) {
    const ScheduleList entries = ScheduleFiles(folder).load(kind);
    const RepeatMatch rules(entries, kind == ScheduleKind::Reminders
                                         ? RepeatFile(folder).read().entries
                                         : QList<RepeatEntry>());
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const std::optional<RepeatEntry> rule = rules.ruleOf(i);
        calendar.add(entries[i], rule ? rule->rule : RepeatRule::Never,
                     rule ? rule->anchor : QDate());
    }
}

}  // namespace

int ExportCommand::run(const QStringList& arguments) const {
    const Expected<Request> request = parse(arguments);
    if (!request) {
        return context_.usage(request.error());
    }
    const QString& file = request->file;
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
    ICalExport calendar(QTimeZone::systemTimeZone(), context_.now);
    if (request->reminders) {
        addSchedule(calendar, folder, ScheduleKind::Reminders);
    }
    if (request->launches) {
        addSchedule(calendar, folder, ScheduleKind::Launches);
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
