#include "cli/EntryCommands.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "cli/EntryArguments.h"
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

}  // namespace

int EntryCommands::append(ScheduleKind kind, const QByteArray& record) const {
    const ProgramFolder folder(context_.programFolder);
    if (const Expected<void> added = ScheduleFiles(folder).append(kind, record); !added) {
        return context_.refuse(added.error());
    }
    context_.notifier.askReload(schedule::messageName(kind));
    return command::Done;
}

int EntryCommands::remind(const QStringList& given) const {
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

int EntryCommands::launch(const QStringList& arguments) const {
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

int EntryCommands::remove(const QStringList& arguments) const {
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
