#include "KillGenerations.h"

#include "desktop/AutostartEntry.h"
#include "scheduler/LaunchRecord.h"
#include "scheduler/ReminderRecord.h"
#include "scheduler/ScheduleEntry.h"
#include "settings/Cp1251.h"
#include "settings/DayCount.h"
#include "settings/SettingsRecord.h"

namespace killgen {

namespace {

constexpr int kBlock = 6;

QDate keyDay(int key) {
    return QDate(2027, 1, 1).addDays(key);
}

QByteArray keyTime(int key) {
    const int minute = ((key % 1440) + 1440) % 1440;
    return QStringLiteral("%1:%2")
        .arg(minute / 60, 2, 10, QLatin1Char('0'))
        .arg(minute % 60, 2, 10, QLatin1Char('0'))
        .toLatin1();
}

QByteArray appendedRecord(ScheduleKind kind, int generation, int key) {
    const QString time = QString::fromLatin1(keyTime(key));
    if (kind == ScheduleKind::Reminders) {
        ReminderRecord rec;
        rec.setDate(daycount::fromDate(keyDay(key)) + 0.25);
        rec.setTime(time);
        rec.setText(QStringLiteral("поколение %1, ключ %2").arg(generation).arg(key));
        return rec.bytes();
    }
    LaunchRecord rec;
    rec.setDate(daycount::fromDate(keyDay(key)));
    rec.setTime(time);
    rec.setFile(QStringLiteral("/запуск/поколение/%1").arg(generation));
    return rec.bytes();
}

ScheduleKind scheduleKind(Writer writer) {
    return writer == Writer::Reminders ? ScheduleKind::Reminders : ScheduleKind::Launches;
}

QString relative(const QString& stored) {
    QString path = stored;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return path.mid(1);
}

QString holidayFile(int month) {
    return QStringLiteral("prazdniki/%1.prz").arg(month);
}

const QString kAutostartFile =
    QStringLiteral("autostart/") + QLatin1String(AutostartEntry::kFileName);

}  // namespace

const QList<Writer>& writers() {
    static const QList<Writer> all{Writer::Reminders, Writer::Launches, Writer::Settings,
                                   Writer::Holidays, Writer::Autostart};
    return all;
}

QString name(Writer writer) {
    static const char* const names[] = {"reminders", "launches",  "settings",
                                        "holidays",  "autostart", "repeats"};
    return QLatin1String(names[int(writer)]);
}

std::optional<Writer> fromName(const QString& text) {
    if (text == name(Writer::Repeats)) {
        return Writer::Repeats;
    }
    for (Writer writer : writers()) {
        if (name(writer) == text) {
            return writer;
        }
    }
    return std::nullopt;
}

QStringList files(Writer writer) {
    switch (writer) {
        case Writer::Reminders:
        case Writer::Launches:
            return {relative(schedule::fileName(scheduleKind(writer)))};
        case Writer::Settings:
            return {QStringLiteral("system/system.ini")};
        case Writer::Holidays:
            return {holidayFile(1), holidayFile(2), holidayFile(3)};
        case Writer::Autostart:
            return {kAutostartFile};
        case Writer::Repeats:
            return {QStringLiteral("system/napom.dat"), QStringLiteral("system/repeat.dat")};
    }
    return {};
}

ScheduleStep scheduleStep(ScheduleKind kind, int generation) {
    const int block = (generation - 1) / kBlock;
    const int place = (generation - 1) % kBlock;
    ScheduleStep step;
    if (place < 4) {
        step.append = true;
        step.record = appendedRecord(kind, generation, 2 * block + place % 2);
        return step;
    }
    const int key = 2 * block - (place == 4 ? 2 : 3);
    step.key = {keyDay(key), keyTime(key)};
    return step;
}

QList<QByteArray> scheduleRecords(ScheduleKind kind, int generation) {
    // A block's records are all gone two blocks later, so the file at g is
    // made by the ops of its block and the two before it alone.
    const int block = (generation - 1) / kBlock;
    QList<QByteArray> records;
    for (int g = qMax(0, block - 2) * kBlock + 1; g <= generation; ++g) {
        const ScheduleStep step = scheduleStep(kind, g);
        if (step.append) {
            records.append(step.record);
            continue;
        }
        const ScheduleKey key = step.key;
        records.removeIf([&](const QByteArray& rec) {
            return ScheduleEntry::fromRecord(kind, rec).matches(key);
        });
    }
    return records;
}

QByteArray settingsBytes(int generation) {
    SettingsRecord rec = SettingsRecord::defaults();
    rec.setHideDelay(generation);
    rec.setSkinFile(QStringLiteral("поколение%1.skn").arg(generation));
    return rec.bytes();
}

int holidayMonth(int generation) {
    return (generation - 1) % 3 + 1;
}

QStringList holidayEntries(int generation) {
    QStringList entries{QString::number(generation)};
    for (int day = 1; day <= generation * 7 % 20; ++day) {
        entries << QString::number(day);
    }
    return entries;
}

QString autostartFolder(const QString& root) {
    return root + QStringLiteral("/autostart");
}

QString autostartProgramFolder(const QString& root, int generation) {
    return root + QStringLiteral("/поколение %1").arg(generation);
}

FileContents expected(Writer writer, const QString& root, int generation) {
    FileContents contents;
    for (const QString& file : files(writer)) {
        contents.insert(file, std::nullopt);
    }
    switch (writer) {
        case Writer::Reminders:
        case Writer::Launches: {
            const QList<QByteArray> records = scheduleRecords(scheduleKind(writer), generation);
            if (!records.isEmpty()) {
                contents[files(writer).first()] = records.join();
            }
            break;
        }
        case Writer::Settings:
            if (generation > 0) {
                contents[files(writer).first()] = settingsBytes(generation);
            }
            break;
        case Writer::Holidays:
            for (int g = qMax(1, generation - 2); g <= generation; ++g) {
                QByteArray bytes;
                for (const QString& entry : holidayEntries(g)) {
                    bytes += cp1251::encode(entry) + "\r\n";
                }
                contents[holidayFile(holidayMonth(g))] = bytes;
            }
            break;
        case Writer::Autostart:
            if (generation % 2 == 1) {
                const QString folder = autostartProgramFolder(root, generation);
                contents[kAutostartFile] =
                    AutostartEntry::text(folder, folder + QStringLiteral("/chronidex")).toUtf8();
            }
            break;
        case Writer::Repeats:
            break;  // not generations of whole contents: see writers()
    }
    return contents;
}

}  // namespace killgen
