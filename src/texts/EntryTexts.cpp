#include "texts/EntryTexts.h"

#include "texts/TextLanguage.h"

using texts::russianOrEnglish;

namespace entrytexts {

QString hourOutOfRange(const QString& hour) {
    return russianOrEnglish(QStringLiteral("Час должен быть числом от 0 до 23, а не «%1»."),
                            QStringLiteral("The hour must be a number from 0 to 23, not \"%1\"."))
        .arg(hour);
}

QString minuteOutOfRange(const QString& minute) {
    return russianOrEnglish(
               QStringLiteral("Минуты должны быть числом от 0 до 59, а не «%1»."),
               QStringLiteral("The minutes must be a number from 0 to 59, not \"%1\"."))
        .arg(minute);
}

QString reminderTextTooLong(int capacity) {
    return russianOrEnglish(
               QStringLiteral(
                   "Текст напоминания длиннее %1 знаков (перевод строки считается за два)."),
               QStringLiteral("The reminder's text is longer than %1 characters (a line break "
                              "counts as two)."))
        .arg(capacity);
}

QString pathTooLong(int capacity, const QString& path) {
    return russianOrEnglish(
               QStringLiteral("Путь длиннее %1 знаков не помещается в расписание:\n%2"),
               QStringLiteral("A path longer than %1 characters does not fit in the schedule:\n%2"))
        .arg(QString::number(capacity), path);
}

QString unstorableCharacters(const QString& characters) {
    return russianOrEnglish(
               QStringLiteral(
                   "Эти знаки нельзя сохранить в расписании: %1. Замените или удалите их."),
               QStringLiteral("These characters cannot be stored in the schedule: %1. Replace or "
                              "remove them."))
        .arg(characters);
}

QString unstorableCharacter(const QString& character, const QString& codePoint) {
    return russianOrEnglish(QStringLiteral("«%1» (U+%2)"), QStringLiteral("\"%1\" (U+%2)"))
        .arg(character, codePoint);
}

}  // namespace entrytexts
