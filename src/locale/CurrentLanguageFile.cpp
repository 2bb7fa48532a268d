#include "locale/CurrentLanguageFile.h"

#include <QCoreApplication>

#include "settings/ProgramFolder.h"
#include "settings/SettingsRecord.h"

std::optional<LanguageFile> currentLanguageFile(const ProgramFolder& folder,
                                                const SettingsRecord& settings, QString* error) {
    const QString name = settings.langFile();
    QString why;
    if (name.isEmpty()) {
        why = QCoreApplication::translate(
            "CurrentLanguageFile",
            "Cannot open the language file: no language file is chosen in the settings.");
    } else if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))) {
        // The settings file can be edited by anyone; the name may only pick a
        // file inside the language folder.
        why = QCoreApplication::translate("CurrentLanguageFile",
                                          "Cannot open the language file \"%1\": it is not a "
                                          "file name.")
                  .arg(name);
    } else {
        return LanguageFile(folder.path(QStringLiteral("\\lang\\") + name));
    }
    if (error) {
        *error = why;
    }
    return std::nullopt;
}
