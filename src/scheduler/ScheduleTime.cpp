#include "scheduler/ScheduleTime.h"

#include "texts/EntryTexts.h"

bool ScheduleTime::number(const QString& text, int* value) {
    const QString digits = text.trimmed();
    if (digits.isEmpty() || digits.size() > 9) {
        return false;
    }
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return false;
        }
    }
    *value = digits.toInt();
    return true;
}

QString ScheduleTime::twoDigits(int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

Expected<QString> ScheduleTime::check(const QString& hour, const QString& minute) {
    int h = 0;
    int m = 0;
    if (!number(hour, &h) || h > 23) {
        return Failure{entrytexts::hourOutOfRange(hour)};
    }
    if (!number(minute, &m) || m > 59) {
        return Failure{entrytexts::minuteOutOfRange(minute)};
    }
    return twoDigits(h) + QLatin1Char(':') + twoDigits(m);
}

QString ScheduleTime::step(const QString& text, int delta, int min, int max) {
    int value = 0;
    if (!number(text, &value)) {
        value = min;
    }
    value = qBound(min, value + delta, max);
    return twoDigits(value);
}
