#include "texts/SkinTexts.h"

namespace skintexts {

QString unusable(const QString& file, const QString& why) {
    return QStringLiteral("Файл скина %1 нельзя использовать: %2.").arg(file, why);
}

QString plainFaceMeanwhile() {
    return QStringLiteral("Пока скин не исправлен, часы показывают простой циферблат.");
}

QString fileMissing() {
    return QStringLiteral("файла нет");
}

QString fileUnreadable(const QString& why) {
    return QStringLiteral("файл не читается (%1)").arg(why);
}

QString notAFileName() {
    return QStringLiteral("это не имя файла в папке обложек");
}

QString lineMissing(int line) {
    return QStringLiteral("строка %1 отсутствует").arg(line);
}

QString notAnInteger(int line) {
    return QStringLiteral("строка %1 — не целое десятичное число").arg(line);
}

QString colourOutOfRange(int line) {
    return QStringLiteral("строка %1 — не номер цвета от 0 до 18").arg(line);
}

QString pictureTruncated(qint64 size, qint64 needed) {
    return QStringLiteral("файл обрезан (%1 из %2 байт)").arg(size).arg(needed);
}

QString pictureTooLarge(int width, int height, int largestSide) {
    return QStringLiteral("рисунок %1×%2 больше наибольшего окна, %3 точек в сторону")
        .arg(width)
        .arg(height)
        .arg(largestSide);
}

QString pictureUnreadable(const QString& why) {
    return QStringLiteral("рисунок не читается (%1)").arg(why);
}

}  // namespace skintexts
