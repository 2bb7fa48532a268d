#include "texts/ProgramTexts.h"

namespace programtexts {

QString settingsRebuilt(const QString& file, const QString& problem) {
    return QStringLiteral(
               "Файл настроек «%1» не читается (%2). Он создан заново с настройками по умолчанию.")
        .arg(file, problem);
}

QString settingsNotRebuilt(const QString& file, const QString& problem, const QString& writeError) {
    return QStringLiteral(
               "Файл настроек «%1» не прочитан (%2) и не восстановлен (%3). Часы "
               "работают с настройками по умолчанию, они хранятся только в памяти.")
        .arg(file, problem, writeError);
}

QString restartMarkNotCleared(const QString& file, const QString& why) {
    return QStringLiteral("Не удалось снять отметку перезапуска в «%1»: %2").arg(file, why);
}

QString nightlyRestartFailed(const QString& why) {
    return QStringLiteral("Ночной перезапуск не удался: %1").arg(why);
}

QString folderNotMade(const QString& folder) {
    return QStringLiteral("папка «%1» не создаётся").arg(folder);
}

QString filesNotCopied(const QString& folder, int count, const QStringList& reasons) {
    return QStringLiteral("«%1»: не скопировано файлов: %2 (%3)")
        .arg(folder, QString::number(count), reasons.join(QStringLiteral("; ")));
}

QString folderLaidOutInPart(const QString& programFolder, const QStringList& lines) {
    return QStringLiteral("Папка программы «%1» разложена не полностью:\n%2")
        .arg(programFolder, lines.join(QLatin1Char('\n')));
}

QString helpFileMissing(const QString& file) {
    return QStringLiteral("Файла справки «%1» нет.").arg(file);
}

}  // namespace programtexts
