#include "cli/ImportCommand.h"

#include <QDir>
#include <QSet>

#include "cli/CommandContext.h"
#include "cli/ImportSource.h"
#include "ical/ICalImport.h"
#include "platform/ReloadNotifier.h"
#include "scheduler/ReminderRecord.h"
#include "scheduler/RepeatFile.h"
#include "scheduler/ScheduleFiles.h"
#include "settings/DayCount.h"
#include "settings/ProgramFolder.h"

namespace {
// What makes two reminders one: the day, the time and the text, as stored.
QByteArray sameness(const ScheduleEntry& entry) {
    return QByteArray::number(entry.julianDay) + '\0' + entry.timeBytes().toByteArray() + '\0' +
           entry.textBytes().toByteArray();
}

// Far beyond any calendar a person keeps; libical would hold all of it.
// Whatever the file says, no more than this is read.
constexpr qint64 kMaxFileSize = 64 << 20;
}  // namespace

int ImportCommand::run(const QStringList& arguments) const {
    if (arguments.size() != 1) {
        return context_.usage(QStringLiteral("import takes one iCalendar file."));
    }
    const QString& name = arguments.first();
    QByteArray bytes;
    if (const std::optional<int> refused = read(name, bytes)) {
        return *refused;
    }
    ICalImport calendar(context_.now);
    if (const Expected<void> read = calendar.read(bytes); !read) {
        return context_.refuse(QStringLiteral("%1 is refused: %2").arg(name, read.error()));
    }
    const ProgramFolder folder(context_.programFolder);
    const ScheduleFiles files(folder);
    qsizetype repeated = 0;
    QList<RepeatEntry> rules;
    const QList<QByteArray> records = newRecords(calendar.reminders(), files, repeated, rules);
    QStringList problems = calendar.problems();
    if (repeated > 0) {
        problems << QStringLiteral(
                        "%1 of the reminders are in the schedule already: not added "
                        "again.")
                        .arg(repeated);
    }
    context_.report(problems);
    return add(folder, files, records, rules);
}

std::optional<int> ImportCommand::read(const QString& name, QByteArray& bytes) const {
    const ImportSource source =
        ImportSource::read(QDir(context_.currentFolder).absoluteFilePath(name), kMaxFileSize);
    switch (source.outcome) {
        case ImportSource::Outcome::Read:
            bytes = source.bytes;
            return std::nullopt;
        case ImportSource::Outcome::CannotRead:
            return context_.refuse(QStringLiteral("Cannot read %1: %2.").arg(name, source.error));
        case ImportSource::Outcome::Folder:
            return context_.refuse(QStringLiteral("%1 is refused: it is a folder.").arg(name));
        case ImportSource::Outcome::Device:
            return context_.refuse(
                QStringLiteral("%1 is refused: it is a device, not a file with an end.").arg(name));
        case ImportSource::Outcome::TooLarge:
            return context_.refuse(QStringLiteral("%1 is refused: it is larger than %2 MiB.")
                                       .arg(name)
                                       .arg(kMaxFileSize >> 20));
    }
    return context_.refuse(QStringLiteral("Cannot read %1.").arg(name));
}

// A file imported again, or one that repeats an item, adds nothing twice.
QList<QByteArray> ImportCommand::newRecords(const QList<ImportedReminder>& reminders,
                                            const ScheduleFiles& files, qsizetype& repeated,
                                            QList<RepeatEntry>& rules) const {
    QSet<QByteArray> present;
    for (const ScheduleEntry& entry : files.load(ScheduleKind::Reminders)) {
        present.insert(sameness(entry));
    }
    QList<QByteArray> records;
    for (const ImportedReminder& reminder : reminders) {
        ReminderRecord rec;
        rec.setDate(daycount::fromDate(reminder.at.date()));
        rec.setTime(reminder.at.toString(QStringLiteral("HH:mm")));
        rec.setText(reminder.text);
        const QByteArray key =
            sameness(ScheduleEntry::fromRecord(ScheduleKind::Reminders, rec.bytes()));
        if (present.contains(key)) {
            ++repeated;
            continue;
        }
        present.insert(key);
        records << rec.bytes();
        if (reminder.rule != RepeatRule::Never) {
            rules << RepeatEntry::of(reminder.rule, reminder.anchor, rec);
        }
    }
    return records;
}

int ImportCommand::add(const ProgramFolder& folder, const ScheduleFiles& files,
                       const QList<QByteArray>& records, const QList<RepeatEntry>& rules) const {
    if (const Expected<void> added = files.appendAll(ScheduleKind::Reminders, records); !added) {
        return context_.refuse(added.error());
    }
    // The records first, as the editor adds them: a rule that fails leaves
    // its reminder an ordinary one.
    if (!rules.isEmpty()) {
        const RepeatFile::Update update =
            RepeatFile(folder).update([&](QList<RepeatEntry>& entries) { entries.append(rules); });
        if (!update.written) {
            context_.report({update.written.error()});
        }
    }
    if (!records.isEmpty()) {
        context_.notifier.askReload(schedule::messageName(ScheduleKind::Reminders));
    }
    context_.out << (records.size() == 1
                         ? QStringLiteral("Added 1 reminder.")
                         : QStringLiteral("Added %1 reminders.").arg(records.size()));
    if (!rules.isEmpty()) {
        context_.out << QStringLiteral(" %1 of them repeat%2.")
                            .arg(rules.size())
                            .arg(rules.size() == 1 ? QStringLiteral("s") : QString());
    }
    context_.out << '\n';
    return command::Done;
}
