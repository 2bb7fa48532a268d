#include "texts/MenuTexts.h"

namespace menutexts {

QString addMenu() {
    return QStringLiteral("Добавить");
}

QString reminder() {
    return QStringLiteral("Напоминание");
}

QString launch() {
    return QStringLiteral("Запуск");
}

QString holidays() {
    return QStringLiteral("Праздники");
}

QString settingsMenu() {
    return QStringLiteral("Настройки");
}

QString language() {
    return QStringLiteral("Язык");
}

QString skins() {
    return QStringLiteral("Обложки");
}

QString autostart() {
    return QStringLiteral("Автозапуск");
}

QString otherSettings() {
    return QStringLiteral("Другие...");
}

QString helpMenu() {
    return QStringLiteral("Помощь");
}

QString help() {
    return QStringLiteral("Справка");
}

QString about() {
    return QStringLiteral("О программе");
}

QString exitProgram() {
    return QStringLiteral("Выход");
}

}  // namespace menutexts
