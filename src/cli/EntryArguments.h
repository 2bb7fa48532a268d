#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include "scheduler/ScheduleTime.h"

// What `remind` and `launch` are given: a time "HH:MM", optionally a day
// "DD.MM.YYYY", then the text or the path. An argument after the time that
// has the form of a day is taken for the day.
struct EntryArguments {
    QString time;  // "hh:nn", as the editors store it
    QDate day;
    QStringList rest;
    // Without a day, today; a time of today that has already passed is
    // refused, since it would only ever be reported as missed.
    static Expected<EntryArguments> parse(const QStringList& arguments, const QDateTime& now);

    // "HH:MM" through the editors' check of the hour and minute fields.
    static Expected<QString> parseTime(const QString& text);
    static bool looksLikeDay(const QString& text);
    // Invalid for a text that names no day.
    static QDate parseDay(const QString& text);
};
