#pragma once

#include <QString>

// Failures of the schedule files and of the repeating reminders' rule file.
// Said by the windows and by the command line, so in Russian and in English
// (see TextLanguage.h). `file` is the file's path as shown; `why` the
// reason, from the file layer or the system.
namespace scheduletexts {

QString busy(const QString& file);
QString full(const QString& file, qint64 held, qint64 adding, qint64 limit);
QString notOpened(const QString& file, const QString& why);
QString notCreated(const QString& file, const QString& why);
QString notRead(const QString& file, const QString& why);
QString notWritten(const QString& file, const QString& why);
QString notRewritten(const QString& file, const QString& why);
QString notDeleted(const QString& file);

QString rulesBusy(const QString& file);
QString rulesNotRead(const QString& file, const QString& why);
QString rulesFull(const QString& file, qint64 limit);
QString rulesNotWritten(const QString& file, const QString& why);

}  // namespace scheduletexts
