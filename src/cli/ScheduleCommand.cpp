#include "cli/ScheduleCommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QTimeZone>

#include "cli/CalendarExport.h"
#include "cli/EntryArguments.h"
#include "platform/ReloadNotifier.h"
#include "scheduler/EntryChecks.h"
#include "scheduler/LaunchRecord.h"
#include "scheduler/ReminderRecord.h"
#include "scheduler/ScheduleFiles.h"
#include "scheduler/ScheduleLines.h"
#include "settings/Cp1251.h"
#include "settings/DayCount.h"
#include "settings/ProgramFolder.h"

namespace {
const QStringList kSubcommands{QStringLiteral("remind"), QStringLiteral("launch"),
                               QStringLiteral("list"), QStringLiteral("remove"),
                               QStringLiteral("export")};

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

ScheduleCommand::ScheduleCommand(QString currentFolder, QDateTime now, QTextStream& out,
                                 QTextStream& err, ReloadNotifier& notifier, QString programFolder)
    : currentFolder_(std::move(currentFolder)),
      defaultFolder_(programFolder.isEmpty() ? currentFolder_ : std::move(programFolder)),
      now_(std::move(now)),
      out_(out),
      err_(err),
      notifier_(notifier) {}

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

int ScheduleCommand::refuse(const QString& problem) {
    err_ << "chronidex: " << problem << '\n';
    err_.flush();
    return Refused;
}

int ScheduleCommand::usage(const QString& problem) {
    err_ << "chronidex: " << problem << '\n' << QStringLiteral("Try 'chronidex --help'.") << '\n';
    err_.flush();
    return UsageError;
}

int ScheduleCommand::append(ScheduleKind kind, const QByteArray& record) {
    const ProgramFolder folder(programFolder_);
    if (const QString error = ScheduleFiles(folder).append(kind, record); !error.isEmpty()) {
        return refuse(error);
    }
    notifier_.askReload(schedule::messageName(kind));
    return Done;
}

QString ScheduleCommand::helpText() const {
    return QStringLiteral(
        "Usage: chronidex [--folder DIR] COMMAND ...\n"
        "Without a command, starts the clock.\n"
        "\n"
        "Commands:\n"
        "  remind HH:MM [DD.MM.YYYY] TEXT...  add a reminder (without a day, today)\n"
        "  launch HH:MM [DD.MM.YYYY] PATH     add a program launch\n"
        "  list [--reminders|--launches] [--json]\n"
        "                                     print the schedule, one entry a line:\n"
        "                                     kind<TAB>YYYY-MM-DD<TAB>HH:MM<TAB>text or "
        "path\n"
        "                                     (line breaks in a text as \\n); with --json\n"
        "                                     a JSON array of {kind, date, time, text|path}\n"
        "  remove KIND DD.MM.YYYY HH:MM       remove every reminder or launch of that\n"
        "                                     day and time (KIND: reminder or launch)\n"
        "  export [--reminders|--launches|--all] [FILE]\n"
        "                                     write the schedule as an iCalendar file\n"
        "                                     (standard output without FILE); reminders\n"
        "                                     unless asked otherwise\n"
        "\n"
        "Options:\n"
        "  --folder DIR   the program folder (default: the current folder; for the\n"
        "                 installed program outside a program folder, the user's\n"
        "                 ~/.local/share/chronidex)\n"
        "  -h, --help     print this help\n"
        "  -v, --version  print the version\n"
        "\n"
        "A running clock reads a changed schedule at once.\n"
        "Exit status: 0 done, 1 entry refused (the reason on standard error),\n"
        "2 usage error.\n");
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
        return usage(parser.errorText());
    }
    if (parser.isSet(help)) {
        out_ << helpText();
        return Done;
    }
    if (parser.isSet(version)) {
        out_ << "chronidex " << QCoreApplication::applicationVersion() << '\n';
        return Done;
    }
    const QStringList words = parser.positionalArguments();
    if (words.isEmpty()) {
        return usage(QStringLiteral("A command is missing."));
    }
    if (!kSubcommands.contains(words.first())) {
        return usage(QStringLiteral("Unknown command \"%1\".").arg(words.first()));
    }
    programFolder_ = parser.isSet(folder)
                         ? QDir(currentFolder_).absoluteFilePath(parser.value(folder))
                         : defaultFolder_;
    if (!QFileInfo(ProgramFolder(programFolder_).path(QStringLiteral("\\system"))).isDir()) {
        return refuse(QStringLiteral("%1 is not a program folder: it has no system folder.")
                          .arg(QDir::toNativeSeparators(programFolder_)));
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
        return list(rest);
    }
    if (command == QStringLiteral("export")) {
        return exportCalendar(rest);
    }
    return remove(rest);
}

int ScheduleCommand::remind(const QStringList& arguments) {
    if (arguments.size() < 2) {
        return usage(QStringLiteral("remind takes a time HH:MM, perhaps a day, and a text."));
    }
    const EntryArguments entry = EntryArguments::parse(arguments, now_);
    if (!entry.ok()) {
        return refuse(entry.problem);
    }
    if (entry.rest.isEmpty()) {
        return usage(QStringLiteral("The reminder's text is missing."));
    }
    const QString text = entry.rest.join(QLatin1Char(' '));
    for (const QString& problem :
         {EntryChecks::reminderTextProblem(text), EntryChecks::unstorableProblem(text)}) {
        if (!problem.isEmpty()) {
            return refuse(problem);
        }
    }
    ReminderRecord rec;
    rec.setDate(daycount::fromDate(entry.day));
    rec.setTime(entry.time);
    rec.setText(text);
    return append(ScheduleKind::Reminders, rec.bytes());
}

int ScheduleCommand::launch(const QStringList& arguments) {
    if (arguments.size() < 2) {
        return usage(QStringLiteral("launch takes a time HH:MM, perhaps a day, and a path."));
    }
    const EntryArguments entry = EntryArguments::parse(arguments, now_);
    if (!entry.ok()) {
        return refuse(entry.problem);
    }
    if (entry.rest.size() != 1) {
        return usage(QStringLiteral("launch takes one path (quote a path with spaces)."));
    }
    const QFileInfo file(QDir(currentFolder_), entry.rest.first());
    if (!file.isFile()) {
        return refuse(QStringLiteral("There is no file %1.").arg(entry.rest.first()));
    }
    const QString path = file.absoluteFilePath();
    for (const QString& problem :
         {EntryChecks::pathProblem(path), EntryChecks::unstorableProblem(path)}) {
        if (!problem.isEmpty()) {
            return refuse(problem);
        }
    }
    LaunchRecord rec;
    rec.setDate(daycount::fromDate(entry.day));
    rec.setTime(entry.time);
    rec.setFile(path);
    return append(ScheduleKind::Launches, rec.bytes());
}

int ScheduleCommand::list(const QStringList& arguments) {
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
            return usage(QStringLiteral("list takes --reminders, --launches or --json, not \"%1\".")
                             .arg(argument));
        }
    }
    if (!reminders && !launches) {
        reminders = launches = true;
    }
    const ScheduleLines lines = ScheduleLines::read(ProgramFolder(programFolder_));
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
        out_ << (reminder ? "reminder" : "launch") << '\t' << entry.day().toString(Qt::ISODate)
             << '\t' << oneLine(entry.time()) << '\t' << oneLine(entry.text()) << '\n';
    }
    if (json) {
        out_ << QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Indented));
    }
    return Done;
}

int ScheduleCommand::remove(const QStringList& arguments) {
    if (arguments.size() != 3) {
        return usage(QStringLiteral("remove takes a kind, a day DD.MM.YYYY and a time HH:MM."));
    }
    const QString& kindName = arguments[0];
    ScheduleKind kind = ScheduleKind::Reminders;
    if (kindName == QStringLiteral("launch") || kindName == QStringLiteral("launches")) {
        kind = ScheduleKind::Launches;
    } else if (kindName != QStringLiteral("reminder") && kindName != QStringLiteral("reminders")) {
        return usage(QStringLiteral("The kind is reminder or launch, not \"%1\".").arg(kindName));
    }
    ScheduleKey key;
    key.day = EntryArguments::parseDay(arguments[1]);
    if (!key.day.isValid()) {
        return refuse(QStringLiteral("There is no day %1.").arg(arguments[1]));
    }
    const ScheduleTime::Checked time = EntryArguments::parseTime(arguments[2]);
    if (!time.ok()) {
        return refuse(time.problem);
    }
    key.time = cp1251::encode(time.time);
    const ProgramFolder folder(programFolder_);
    const ScheduleFiles files(folder);
    const ScheduleList entries = files.load(kind);
    const bool any = std::any_of(entries.begin(), entries.end(),
                                 [&](const ScheduleEntry& entry) { return entry.matches(key); });
    if (!any) {
        return refuse(
            QStringLiteral("Nothing is scheduled on %1 at %2.").arg(arguments[1], time.time));
    }
    if (const QString error = files.remove(kind, key); !error.isEmpty()) {
        return refuse(error);
    }
    notifier_.askReload(schedule::messageName(kind));
    return Done;
}

int ScheduleCommand::exportCalendar(const QStringList& arguments) {
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
            return usage(
                QStringLiteral("export takes --reminders, --launches or --all, not \"%1\".")
                    .arg(argument));
        } else if (!file.isEmpty()) {
            return usage(QStringLiteral("export writes one file, not \"%1\" too.").arg(argument));
        } else {
            file = argument;
        }
    }
    if (!reminders && !launches) {
        reminders = true;
    }
    const ProgramFolder folder(programFolder_);
    const ScheduleFiles files(folder);
    CalendarExport calendar(QTimeZone::systemTimeZone(), now_);
    for (const auto& [kind, wanted] : {std::pair{ScheduleKind::Reminders, reminders},
                                       std::pair{ScheduleKind::Launches, launches}}) {
        if (wanted) {
            for (const ScheduleEntry& entry : files.load(kind)) {
                calendar.add(entry);
            }
        }
    }
    for (const QString& problem : calendar.problems()) {
        err_ << "chronidex: " << problem << '\n';
    }
    err_.flush();
    if (file.isEmpty()) {
        out_ << QString::fromUtf8(calendar.text());
        return Done;
    }
    QSaveFile out(QDir(currentFolder_).absoluteFilePath(file));
    if (!out.open(QIODevice::WriteOnly) || out.write(calendar.text()) < 0 || !out.commit()) {
        return refuse(QStringLiteral("Cannot write %1: %2.").arg(file, out.errorString()));
    }
    return Done;
}
