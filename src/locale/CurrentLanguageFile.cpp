#include "locale/CurrentLanguageFile.h"

#include "settings/FormatNames.h"
#include "settings/ProgramFolder.h"
#include "settings/SettingsRecord.h"
#include "texts/FileTexts.h"

Expected<LanguageFile> currentLanguageFile(const ProgramFolder& folder,
                                           const SettingsRecord& settings) {
    const QString name = settings.langFile();
    if (name.isEmpty()) {
        return Failure{filetexts::languageFileNotChosen()};
    }
    if (name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))) {
        // The settings file can be edited by anyone; the name may only pick a
        // file inside the language folder.
        return Failure{filetexts::notALanguageFileName(name)};
    }
    return LanguageFile(folder.path(formatnames::languageFolder() + name));
}
