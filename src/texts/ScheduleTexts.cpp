#include "texts/ScheduleTexts.h"

#include "texts/TextLanguage.h"

using texts::russianOrEnglish;

namespace scheduletexts {

QString busy(const QString& file) {
    return russianOrEnglish(
               QStringLiteral("Файл расписания %1 занят другой программой; попробуйте ещё раз."),
               QStringLiteral("The schedule file %1 is in use by another program; try again."))
        .arg(file);
}

QString full(const QString& file, qint64 held, qint64 adding, qint64 limit) {
    return russianOrEnglish(
               QStringLiteral("Файл расписания %1 содержит записей: %2; ещё %3 превысили бы "
                              "предел в %4 записей, дальше которого файл не читается. Ничего не "
                              "добавлено."),
               QStringLiteral("The schedule file %1 holds %2 entries; %3 more would pass the "
                              "limit of %4 entries beyond which the file is not read. Nothing was "
                              "added."))
        .arg(file, QString::number(held), QString::number(adding), QString::number(limit));
}

QString notOpened(const QString& file, const QString& why) {
    return russianOrEnglish(QStringLiteral("Не удалось открыть файл расписания %1: %2"),
                            QStringLiteral("Cannot open the schedule file %1: %2"))
        .arg(file, why);
}

QString notCreated(const QString& file, const QString& why) {
    return russianOrEnglish(QStringLiteral("Не удалось создать файл расписания %1: %2"),
                            QStringLiteral("Cannot create the schedule file %1: %2"))
        .arg(file, why);
}

QString notRead(const QString& file, const QString& why) {
    return russianOrEnglish(QStringLiteral("Не удалось прочитать файл расписания %1: %2"),
                            QStringLiteral("Cannot read the schedule file %1: %2"))
        .arg(file, why);
}

QString notWritten(const QString& file, const QString& why) {
    return russianOrEnglish(QStringLiteral("Не удалось записать файл расписания %1: %2"),
                            QStringLiteral("Cannot write the schedule file %1: %2"))
        .arg(file, why);
}

QString notRewritten(const QString& file, const QString& why) {
    return russianOrEnglish(QStringLiteral("Не удалось переписать файл расписания %1: %2"),
                            QStringLiteral("Cannot rewrite the schedule file %1: %2"))
        .arg(file, why);
}

QString notDeleted(const QString& file) {
    return russianOrEnglish(QStringLiteral("Не удалось удалить файл расписания %1."),
                            QStringLiteral("Cannot delete the schedule file %1."))
        .arg(file);
}

QString rulesBusy(const QString& file) {
    return russianOrEnglish(
               QStringLiteral(
                   "Файл правил повтора %1 занят другой программой; попробуйте ещё раз."),
               QStringLiteral("The repeat rule file %1 is in use by another program; try again."))
        .arg(file);
}

QString rulesNotRead(const QString& file, const QString& why) {
    return russianOrEnglish(QStringLiteral("Не удалось прочитать файл правил повтора %1: %2"),
                            QStringLiteral("Cannot read the repeat rule file %1: %2"))
        .arg(file, why);
}

QString rulesFull(const QString& file, qint64 limit) {
    return russianOrEnglish(QStringLiteral("Файл правил повтора %1 не примет больше %2 правил."),
                            QStringLiteral("The repeat rule file %1 takes no more than %2 rules."))
        .arg(file, QString::number(limit));
}

QString rulesNotWritten(const QString& file, const QString& why) {
    return russianOrEnglish(QStringLiteral("Не удалось записать файл правил повтора %1: %2"),
                            QStringLiteral("Cannot write the repeat rule file %1: %2"))
        .arg(file, why);
}

}  // namespace scheduletexts
