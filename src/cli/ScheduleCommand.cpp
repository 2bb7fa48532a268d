#include "cli/ScheduleCommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "cli/EntryArguments.h"
#include "cli/ExportCommand.h"
#include "cli/ImportCommand.h"
#include "cli/ListCommand.h"
#include "platform/ReloadNotifier.h"
#include "scheduler/EntryChecks.h"
#include "scheduler/LaunchRecord.h"
#include "scheduler/ReminderRecord.h"
#include "scheduler/RepeatingReminders.h"
#include "scheduler/ScheduleFiles.h"
#include "settings/Cp1251.h"
#include "settings/DayCount.h"
#include "settings/ProgramFolder.h"

namespace {
// Takes "--repeat WORD" (or "--repeat=WORD") out of the arguments where it
// may stand: first, or after the time and the day. Further on it is a part of
// the text. The word as given, empty without the option; null when the
// option has no word.
QString takeRepeat(QStringList& arguments) {
    qsizetype at = 0;
    const auto isOption = [&](qsizetype i) {
        return i < arguments.size() && (arguments[i] == QStringLiteral("--repeat") ||
                                        arguments[i].startsWith(QStringLiteral("--repeat=")));
    };
    if (!isOption(0)) {
        at = arguments.size() > 1 && EntryArguments::looksLikeDay(arguments[1]) ? 2 : 1;
        if (!isOption(at)) {
            return QLatin1String("");
        }
    }
    const QString option = arguments.takeAt(at);
    if (option.startsWith(QStringLiteral("--repeat="))) {
        const QString word = option.mid(9);
        return word.isEmpty() ? QString() : word;
    }
    return at < arguments.size() ? arguments.takeAt(at) : QString();
}

const QStringList kSubcommands{QStringLiteral("remind"), QStringLiteral("launch"),
                               QStringLiteral("list"),   QStringLiteral("remove"),
                               QStringLiteral("export"), QStringLiteral("import")};

}  // namespace

ScheduleCommand::ScheduleCommand(QString currentFolder, QDateTime now, QTextStream& out,
                                 QTextStream& err, ReloadNotifier& notifier, QString programFolder)
    : defaultFolder_(programFolder.isEmpty() ? currentFolder : std::move(programFolder)),
      context_{std::move(currentFolder), QString(), std::move(now), out, err, notifier} {}

bool ScheduleCommand::wanted(const QStringList& arguments) {
    if (arguments.size() < 2) {
        return false;
    }
    const QString& first = arguments[1];
    return !first.startsWith(QLatin1Char('-')) || first == QStringLiteral("-h") ||
           first == QStringLiteral("--help") || first == QStringLiteral("-v") ||
           first == QStringLiteral("--version") || first == QStringLiteral("--folder") ||
           first.startsWith(QStringLiteral("--folder="));
}

int ScheduleCommand::append(ScheduleKind kind, const QByteArray& record) {
    const ProgramFolder folder(context_.programFolder);
    if (const Expected<void> added = ScheduleFiles(folder).append(kind, record); !added) {
        return context_.refuse(added.error());
    }
    context_.notifier.askReload(schedule::messageName(kind));
    return command::Done;
}

QString ScheduleCommand::helpText() const {
    return QStringLiteral(
        "Usage: chronidex [--folder DIR] COMMAND ...\n"
        "Without a command, starts the clock.\n"
        "\n"
        "Commands:\n"
        "  remind HH:MM [DD.MM.YYYY] [--repeat RULE] TEXT...\n"
        "                                     add a reminder (without a day, today);\n"
        "                                     RULE: daily, workdays (Monday to Friday),\n"
        "                                     weekly, monthly (a shorter month: its last\n"
        "                                     day) or yearly\n"
        "  launch HH:MM [DD.MM.YYYY] PATH     add a program launch\n"
        "  list [--reminders|--launches] [--json]\n"
        "                                     print the schedule, one entry a line:\n"
        "                                     kind<TAB>YYYY-MM-DD<TAB>HH:MM<TAB>text or "
        "path,\n"
        "                                     and <TAB>rule for a repeating reminder\n"
        "                                     (control characters escaped: \\n, \\t, \\r,\n"
        "                                     \\e, \\xNN); with --json\n"
        "                                     a JSON array of {kind, date, time, text|path},\n"
        "                                     reminders with repeat (the RULE or null)\n"
        "  remove KIND DD.MM.YYYY HH:MM       remove every reminder or launch of that\n"
        "                                     day and time (KIND: reminder or launch),\n"
        "                                     and the rules of repeating ones\n"
        "  export [--reminders|--launches|--all] [FILE]\n"
        "                                     write the schedule as an iCalendar file\n"
        "                                     (standard output without FILE); reminders\n"
        "                                     unless asked otherwise; a repeating one\n"
        "                                     with its RRULE\n"
        "  import FILE                        add the events and to-dos of an iCalendar\n"
        "                                     file as reminders: at the first display\n"
        "                                     alarm, else at the start (a to-do's due\n"
        "                                     time); all-day ones at 09:00; one whose\n"
        "                                     rule a repeating reminder keeps (no end)\n"
        "                                     as one; other recurring ones for the next\n"
        "                                     366 days, at most 1000 occurrences; what\n"
        "                                     the reminder editor\n"
        "                                     would refuse is named and left out\n"
        "\n"
        "Options:\n"
        "  --folder DIR   the program folder (default: the current folder; for the\n"
        "                 installed program outside a program folder, the user's\n"
        "                 ~/.local/share/chronidex)\n"
        "  -h, --help     print this help\n"
        "  -v, --version  print the version\n"
        "\n"
        "A running clock reads a changed schedule at once.\n"
        "Exit status: 0 done, 1 entry or file refused (the reason on standard\n"
        "error), 2 usage error.\n");
}

int ScheduleCommand::run(const QStringList& arguments) {
    QCommandLineParser parser;
    // Everything after the command is the command's: a reminder's text may
    // well start with a dash.
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
    const QCommandLineOption folder(QStringLiteral("folder"), QString(), QStringLiteral("DIR"));
    parser.addOptions({help, version, folder});
    if (!parser.parse(arguments)) {
        return context_.usage(parser.errorText());
    }
    if (parser.isSet(help)) {
        context_.out << helpText();
        return command::Done;
    }
    if (parser.isSet(version)) {
        context_.out << "chronidex " << QCoreApplication::applicationVersion() << '\n';
        return command::Done;
    }
    const QStringList words = parser.positionalArguments();
    if (words.isEmpty()) {
        return context_.usage(QStringLiteral("A command is missing."));
    }
    if (!kSubcommands.contains(words.first())) {
        return context_.usage(QStringLiteral("Unknown command \"%1\".").arg(words.first()));
    }
    context_.programFolder =
        parser.isSet(folder) ? QDir(context_.currentFolder).absoluteFilePath(parser.value(folder))
                             : defaultFolder_;
    if (!QFileInfo(ProgramFolder(context_.programFolder).path(QStringLiteral("\\system")))
             .isDir()) {
        return context_.refuse(
            QStringLiteral("%1 is not a program folder: it has no system folder.")
                .arg(QDir::toNativeSeparators(context_.programFolder)));
    }
    const QStringList rest = words.mid(1);
    const QString& command = words.first();
    if (command == QStringLiteral("remind")) {
        return remind(rest);
    }
    if (command == QStringLiteral("launch")) {
        return launch(rest);
    }
    if (command == QStringLiteral("list")) {
        return ListCommand(context_).run(rest);
    }
    if (command == QStringLiteral("export")) {
        return ExportCommand(context_).run(rest);
    }
    if (command == QStringLiteral("import")) {
        return ImportCommand(context_).run(rest);
    }
    return remove(rest);
}

int ScheduleCommand::remind(const QStringList& given) {
    QStringList arguments = given;
    const QString repeat = takeRepeat(arguments);
    RepeatRule rule = RepeatRule::Never;
    if (repeat.isNull()) {
        return context_.usage(
            QStringLiteral("--repeat takes one of daily, workdays, weekly, monthly, yearly."));
    }
    if (!repeat.isEmpty()) {
        const std::optional<RepeatRule> named = repeatrule::fromKeyword(repeat);
        if (!named) {
            return context_.refuse(
                QStringLiteral("\"%1\" is no repeat rule: daily, workdays, weekly, monthly or "
                               "yearly.")
                    .arg(repeat));
        }
        rule = *named;
    }
    if (arguments.size() < 2) {
        return context_.usage(
            QStringLiteral("remind takes a time HH:MM, perhaps a day, and a text."));
    }
    const Expected<EntryArguments> entry = EntryArguments::parse(arguments, context_.now);
    if (!entry) {
        return context_.refuse(entry.error());
    }
    if (entry->rest.isEmpty()) {
        return context_.usage(QStringLiteral("The reminder's text is missing."));
    }
    const QString text = entry->rest.join(QLatin1Char(' '));
    for (const Expected<void>& check :
         {EntryChecks::reminderText(text), EntryChecks::storable(text)}) {
        if (!check) {
            return context_.refuse(check.error());
        }
    }
    ReminderRecord rec;
    rec.setDate(daycount::fromDate(entry->day));
    rec.setTime(entry->time);
    rec.setText(text);
    const ProgramFolder folder(context_.programFolder);
    if (const Expected<void> added = RepeatingReminders(folder).add(rec, rule); !added) {
        return context_.refuse(added.error());
    }
    context_.notifier.askReload(schedule::messageName(ScheduleKind::Reminders));
    return command::Done;
}

int ScheduleCommand::launch(const QStringList& arguments) {
    if (arguments.size() < 2) {
        return context_.usage(
            QStringLiteral("launch takes a time HH:MM, perhaps a day, and a path."));
    }
    const Expected<EntryArguments> entry = EntryArguments::parse(arguments, context_.now);
    if (!entry) {
        return context_.refuse(entry.error());
    }
    if (entry->rest.size() != 1) {
        return context_.usage(QStringLiteral("launch takes one path (quote a path with spaces)."));
    }
    const QFileInfo file(QDir(context_.currentFolder), entry->rest.first());
    if (!file.isFile()) {
        return context_.refuse(QStringLiteral("There is no file %1.").arg(entry->rest.first()));
    }
    const QString path = file.absoluteFilePath();
    for (const Expected<void>& check : {EntryChecks::path(path), EntryChecks::storable(path)}) {
        if (!check) {
            return context_.refuse(check.error());
        }
    }
    LaunchRecord rec;
    rec.setDate(daycount::fromDate(entry->day));
    rec.setTime(entry->time);
    rec.setFile(path);
    return append(ScheduleKind::Launches, rec.bytes());
}

int ScheduleCommand::remove(const QStringList& arguments) {
    if (arguments.size() != 3) {
        return context_.usage(
            QStringLiteral("remove takes a kind, a day DD.MM.YYYY and a time HH:MM."));
    }
    const QString& kindName = arguments[0];
    ScheduleKind kind = ScheduleKind::Reminders;
    if (kindName == QStringLiteral("launch") || kindName == QStringLiteral("launches")) {
        kind = ScheduleKind::Launches;
    } else if (kindName != QStringLiteral("reminder") && kindName != QStringLiteral("reminders")) {
        return context_.usage(
            QStringLiteral("The kind is reminder or launch, not \"%1\".").arg(kindName));
    }
    ScheduleKey key;
    key.day = EntryArguments::parseDay(arguments[1]);
    if (!key.day.isValid()) {
        return context_.refuse(QStringLiteral("There is no day %1.").arg(arguments[1]));
    }
    const Expected<QString> time = EntryArguments::parseTime(arguments[2]);
    if (!time) {
        return context_.refuse(time.error());
    }
    key.time = cp1251::encode(*time);
    const ProgramFolder folder(context_.programFolder);
    const ScheduleFiles files(folder);
    // A pipe or device under the file's name reads as no entries at all:
    // the refusal says what is wrong instead of "nothing is scheduled".
    if (const QString error = files.refusal(kind); !error.isEmpty()) {
        return context_.refuse(error);
    }
    const ScheduleList entries = files.load(kind);
    const bool any = std::any_of(entries.begin(), entries.end(),
                                 [&](const ScheduleEntry& entry) { return entry.matches(key); });
    if (!any) {
        return context_.refuse(
            QStringLiteral("Nothing is scheduled on %1 at %2.").arg(arguments[1], *time));
    }
    // A reminder's rule goes with it.
    const Expected<void> removed = kind == ScheduleKind::Reminders
                                       ? RepeatingReminders(folder).removeKey(key)
                                       : files.remove(kind, key);
    if (!removed) {
        return context_.refuse(removed.error());
    }
    context_.notifier.askReload(schedule::messageName(kind));
    return command::Done;
}
