#include "locale/CurrentLanguageFile.h"

#include "settings/FormatNames.h"
#include "settings/ProgramFolder.h"
#include "settings/SettingsRecord.h"

std::optional<LanguageFile> currentLanguageFile(const ProgramFolder& folder,
                                                const SettingsRecord& settings, QString* error) {
    const QString name = settings.langFile();
    QString why;
    if (name.isEmpty()) {
        why = QStringLiteral("Не удалось открыть языковой файл: в настройках он не выбран.");
    } else if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))) {
        // The settings file can be edited by anyone; the name may only pick a
        // file inside the language folder.
        why = QStringLiteral("Не удалось открыть языковой файл «%1»: это не имя файла.").arg(name);
    } else {
        return LanguageFile(folder.path(formatnames::languageFolder() + name));
    }
    if (error) {
        *error = why;
    }
    return std::nullopt;
}
