#include "scheduler/EntryChecks.h"

#include <QList>
#include <QStringList>

#include "scheduler/LaunchRecord.h"
#include "scheduler/ReminderRecord.h"
#include "settings/Cp1251.h"
#include "texts/EntryTexts.h"

Expected<QString> EntryChecks::time(const QString& hour, const QString& minute) {
    return ScheduleTime::check(hour, minute);
}

qsizetype EntryChecks::storedLength(const QString& text) {
    return text.size() + text.count(QLatin1Char('\n'));
}

qsizetype EntryChecks::fittingLength(const QString& text, int capacity) {
    qsizetype stored = 0;
    qsizetype keep = 0;
    for (; keep < text.size(); ++keep) {
        stored += text[keep] == QLatin1Char('\n') ? 2 : 1;
        if (stored > capacity) {
            break;
        }
    }
    return keep;
}

Expected<void> EntryChecks::reminderText(const QString& text) {
    if (storedLength(text) <= ReminderRecord::kTextCapacity) {
        return {};
    }
    return Failure{entrytexts::reminderTextTooLong(ReminderRecord::kTextCapacity)};
}

Expected<void> EntryChecks::path(const QString& path) {
    if (path.size() <= LaunchRecord::kFileCapacity) {
        return {};
    }
    return Failure{entrytexts::pathTooLong(LaunchRecord::kFileCapacity, path)};
}

Expected<void> EntryChecks::storable(const QString& text) {
    if (cp1251::canEncode(text)) {
        return {};
    }
    // Named by code point, so a character outside the basic plane is one name.
    QList<char32_t> seen;
    QStringList shown;
    for (const char32_t point : text.toUcs4()) {
        const QString one = QString::fromUcs4(&point, 1);
        if (seen.contains(point) || cp1251::canEncode(one)) {
            continue;
        }
        seen << point;
        shown << entrytexts::unstorableCharacter(
            one, QString::number(quint32(point), 16).toUpper().rightJustified(4, QLatin1Char('0')));
    }
    return Failure{entrytexts::unstorableCharacters(shown.join(QStringLiteral(", ")))};
}
