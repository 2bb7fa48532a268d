#pragma once

#include <QByteArray>
#include <QDate>

#include "scheduler/ReminderRecord.h"
#include "settings/DayCount.h"

// The bytes of a reminders file holding `count` alike reminders, far ahead,
// for a schedule filled up to a limit.
inline QByteArray heldReminders(qsizetype count) {
    ReminderRecord rec;
    rec.setDate(daycount::fromDate(QDate(2030, 5, 20)));
    rec.setTime(QStringLiteral("09:00"));
    rec.setText(QStringLiteral("held"));
    return rec.bytes().repeated(count);
}
