#include "texts/DialogTexts.h"

namespace dialogtexts {

QString ok() {
    return QStringLiteral("Ок");
}

QString cancel() {
    return QStringLiteral("Отмена");
}

QString languageChooserCaption() {
    return QStringLiteral("Выбор языка");
}

QString skinChooserCaption() {
    return QStringLiteral("Обложки");
}

QString autostartCaption() {
    return QStringLiteral("Автозапуск");
}

QString autostartQuestionIfSet() {
    return QStringLiteral("Автозапуск установлен. Отменить?");
}

QString otherSettingsCaption() {
    return QStringLiteral("Другие");
}

QString autoHideBox() {
    return QStringLiteral("Автоматически убирать с экрана");
}

QString noTabBox() {
    return QStringLiteral("Без кнопки");
}

QString hideDelayLabel() {
    return QStringLiteral("Время скрытия");
}

QString soundOffBox() {
    return QStringLiteral("Без звука");
}

QString deleteEntryItem() {
    return QStringLiteral("Удалить");
}

QString settingsNotSaved(const QString& why) {
    return QStringLiteral("Не удалось сохранить настройки: %1").arg(why);
}

QString reminderEditorCaption() {
    return QStringLiteral("Напоминания");
}

QString reminderHourLabel() {
    return QStringLiteral("час");
}

QString reminderMinuteLabel() {
    return QStringLiteral("мин.");
}

QString reminderTextLabel() {
    return QStringLiteral("Текст напоминания");
}

QString launchEditorCaption() {
    return QStringLiteral("Запуск");
}

QString launchHourLabel() {
    return QStringLiteral("Час");
}

QString launchMinuteLabel() {
    return QStringLiteral("Мин");
}

QString launchFileLabel() {
    return QStringLiteral("Файл");
}

QString browseButton() {
    return QStringLiteral("Обзор");
}

QString allFilesFilter() {
    return QStringLiteral("Все файлы (*)");
}

}  // namespace dialogtexts
