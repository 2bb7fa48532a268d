#include "cli/ListCommand.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/CommandContext.h"
#include "scheduler/ScheduleLines.h"
#include "settings/ProgramFolder.h"

namespace {

// One line per entry, and nothing in it that a terminal acts on: a line
// break or tab would split the line, and the other control characters (an
// escape sequence above all) could move the cursor, retitle or clear the
// terminal. Each is shown as an escape, CR LF as one \n: \n, \r, \t, \e, and
// \xNN for the rest, the C1 controls included.
QString oneLine(const QString& text) {
    QString line;
    line.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            continue;  // the \n that follows stands for both
        }
        if (c == u'\n') {
            line += QStringLiteral("\\n");
        } else if (c == u'\r') {
            line += QStringLiteral("\\r");
        } else if (c == u'\t') {
            line += QStringLiteral("\\t");
        } else if (c == 0x1b) {
            line += QStringLiteral("\\e");
        } else if (c < 0x20 || (c >= 0x7f && c < 0xa0)) {
            line += QStringLiteral("\\x%1").arg(int(c), 2, 16, QLatin1Char('0'));
        } else {
            line += QChar(c);
        }
    }
    return line;
}

// One entry for scripts: {"kind", "date", "time", "text" or "path"}, and
// for a reminder "repeat", the rule's word or null; a day that is no
// calendar day is null, the time its stored text.
QJsonObject jsonEntry(const ScheduleEntry& entry, RepeatRule rule) {
    const bool reminder = entry.kind == ScheduleKind::Reminders;
    const QDate day = entry.day();
    const QString text = entry.textWithNewlines();
    QJsonObject object{
        {QStringLiteral("kind"), reminder ? QStringLiteral("reminder") : QStringLiteral("launch")},
        {QStringLiteral("date"),
         day.isValid() ? QJsonValue(day.toString(Qt::ISODate)) : QJsonValue(QJsonValue::Null)},
        {QStringLiteral("time"), entry.time()},
        {reminder ? QStringLiteral("text") : QStringLiteral("path"), text}};
    if (reminder) {
        object.insert(QStringLiteral("repeat"), rule == RepeatRule::Never
                                                    ? QJsonValue(QJsonValue::Null)
                                                    : QJsonValue(repeatrule::keyword(rule)));
    }
    return object;
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
            array.append(jsonEntry(entry, lines.rule(i)));
            continue;
        }
        context_.out << (reminder ? "reminder" : "launch") << '\t'
                     << entry.day().toString(Qt::ISODate) << '\t' << oneLine(entry.time()) << '\t'
                     << oneLine(entry.text());
        // A fifth field for a repeating reminder alone: scripts that read
        // four go on reading the others as before.
        if (const RepeatRule rule = lines.rule(i); rule != RepeatRule::Never) {
            context_.out << '\t' << repeatrule::description(rule);
        }
        context_.out << '\n';
    }
    if (json) {
        context_.out << QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented));
    }
    return command::Done;
}
