#pragma once

#include <QString>
#include <QStringList>

// The calendar's and the holiday editor's built-in texts, and the holiday
// files' failures.
namespace calendartexts {

// January first; the editor's month list before a language file fills it.
QStringList monthNames();

QString holidayEditorCaption();
QString acceptButton();
QString addDayItem();
QString deleteDayItem();
QString noMonthToSave();

QString noHolidayFile();
QString holidayFileNotOpened(const QString& file, const QString& why);
QString holidayFileNotSaved(const QString& file, const QString& why);
QString noFolder(const QString& folder);
QString lineBreakInEntry();

}  // namespace calendartexts
