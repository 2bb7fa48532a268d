#include "texts/FileTexts.h"

#include "texts/TextLanguage.h"

using texts::russianOrEnglish;

namespace filetexts {

QString isFolder() {
    return russianOrEnglish(QStringLiteral("это папка"), QStringLiteral("it is a folder"));
}

QString notRegularFile() {
    return russianOrEnglish(QStringLiteral("это не обычный файл"),
                            QStringLiteral("it is not a regular file"));
}

QString scratchReplaced(const QString& scratchFile) {
    return russianOrEnglish(QStringLiteral("временный файл «%1» подменён"),
                            QStringLiteral("the scratch file \"%1\" was replaced"))
        .arg(scratchFile);
}

QString fileNotFound() {
    return QStringLiteral("файл не найден");
}

QString settingsTooShort(int size) {
    return QStringLiteral("файл короче %1 байт").arg(size);
}

QString notSaved(const QString& file, const QString& why) {
    return QStringLiteral("Не удалось сохранить файл %1: %2").arg(file, why);
}

QString folderNotFound(const QString& folder) {
    return QStringLiteral("Папка «%1» не найдена.").arg(folder);
}

QString nameUnstorable(const QString& name, const QString& characters) {
    return QStringLiteral(
               "Имя файла «%1» содержит знаки, которые нельзя сохранить в настройках: %2\n"
               "Переименуйте файл, чтобы его можно было выбрать.")
        .arg(name, characters);
}

QString nameTooLong(const QString& name, int capacity) {
    return QStringLiteral(
               "Имя файла «%1» длиннее %2 знаков и не помещается в настройках.\n"
               "Переименуйте файл, чтобы имя с расширением было не длиннее %2 знаков.")
        .arg(name, QString::number(capacity));
}

QString languageFileNotChosen() {
    return QStringLiteral("Не удалось открыть языковой файл: в настройках он не выбран.");
}

QString notALanguageFileName(const QString& name) {
    return QStringLiteral("Не удалось открыть языковой файл «%1»: это не имя файла.").arg(name);
}

QString languageFileNotOpened(const QString& file, const QString& why) {
    return QStringLiteral("Не удалось открыть языковой файл «%1»: %2.").arg(file, why);
}

QString russianLanguageFile() {
    return QStringLiteral("Русский.lng");
}

}  // namespace filetexts
