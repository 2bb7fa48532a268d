#include "cli/ListCommand.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/CommandContext.h"
#include "scheduler/ScheduleLines.h"
#include "settings/ProgramFolder.h"

namespace {

// One line per entry: tabs and line breaks inside a text would break it.
QString oneLine(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\\n"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    text.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    text.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    return text;
}

// One entry for scripts: {"kind", "date", "time", "text" or "path"}; a day
// that is no calendar day is null, the time its stored text.
QJsonObject jsonEntry(const ScheduleEntry& entry) {
    const bool reminder = entry.kind == ScheduleKind::Reminders;
    const QDate day = entry.day();
    const QString text = entry.textWithNewlines();
    return {
        {QStringLiteral("kind"), reminder ? QStringLiteral("reminder") : QStringLiteral("launch")},
        {QStringLiteral("date"),
         day.isValid() ? QJsonValue(day.toString(Qt::ISODate)) : QJsonValue(QJsonValue::Null)},
        {QStringLiteral("time"), entry.time()},
        {reminder ? QStringLiteral("text") : QStringLiteral("path"), text}};
}

}  // namespace

int ListCommand::run(const QStringList& arguments) const {
    bool reminders = false;
    bool launches = false;
    bool json = false;
    for (const QString& argument : arguments) {
        if (argument == QStringLiteral("--reminders")) {
            reminders = true;
        } else if (argument == QStringLiteral("--launches")) {
            launches = true;
        } else if (argument == QStringLiteral("--json")) {
            json = true;
        } else {
            return context_.usage(
                QStringLiteral("list takes --reminders, --launches or --json, not \"%1\".")
                    .arg(argument));
        }
    }
    if (!reminders && !launches) {
        reminders = launches = true;
    }
    const ScheduleLines lines = ScheduleLines::read(ProgramFolder(context_.programFolder));
    QJsonArray array;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const ScheduleEntry& entry = lines.entry(i);
        const bool reminder = entry.kind == ScheduleKind::Reminders;
        if (reminder ? !reminders : !launches) {
            continue;
        }
        if (json) {
            array.append(jsonEntry(entry));
            continue;
        }
        context_.out << (reminder ? "reminder" : "launch") << '\t'
                     << entry.day().toString(Qt::ISODate) << '\t' << oneLine(entry.time()) << '\t'
                     << oneLine(entry.text()) << '\n';
    }
    if (json) {
        context_.out << QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented));
    }
    return command::Done;
}
