#include "texts/CalendarTexts.h"

namespace calendartexts {

QStringList monthNames() {
    return {QStringLiteral("Январь"),  QStringLiteral("Февраль"), QStringLiteral("Март"),
            QStringLiteral("Апрель"),  QStringLiteral("Май"),     QStringLiteral("Июнь"),
            QStringLiteral("Июль"),    QStringLiteral("Август"),  QStringLiteral("Сентябрь"),
            QStringLiteral("Октябрь"), QStringLiteral("Ноябрь"),  QStringLiteral("Декабрь")};
}

QString holidayEditorCaption() {
    return QStringLiteral("Праздники");
}

QString acceptButton() {
    return QStringLiteral("Принять");
}

QString addDayItem() {
    return QStringLiteral("Добавить");
}

QString deleteDayItem() {
    return QStringLiteral("Удалить");
}

QString noMonthToSave() {
    return QStringLiteral(
        "Праздники не сохранены: не выбран месяц, список которого удалось прочитать. Выберите "
        "месяц и повторите.");
}

QString noHolidayFile() {
    return QStringLiteral("для этого месяца нет файла праздников");
}

QString holidayFileNotOpened(const QString& file, const QString& why) {
    return QStringLiteral("Не удалось открыть файл праздников «%1»: %2.").arg(file, why);
}

QString holidayFileNotSaved(const QString& file, const QString& why) {
    return QStringLiteral("Не удалось сохранить файл праздников «%1»: %2.").arg(file, why);
}

QString noFolder(const QString& folder) {
    return QStringLiteral("папки «%1» нет").arg(folder);
}

QString lineBreakInEntry() {
    return QStringLiteral("в записи есть перевод строки");
}

}  // namespace calendartexts
