#include "cli/ScheduleCommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "cli/EntryCommands.h"
#include "cli/ExportCommand.h"
#include "cli/ImportCommand.h"
#include "cli/ListCommand.h"
#include "settings/ProgramFolder.h"

namespace {

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
        return EntryCommands(context_).remind(rest);
    }
    if (command == QStringLiteral("launch")) {
        return EntryCommands(context_).launch(rest);
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
    return EntryCommands(context_).remove(rest);
}
