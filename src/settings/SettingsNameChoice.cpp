#include "settings/SettingsNameChoice.h"

#include "settings/Cp1251.h"
#include "settings/FormatNames.h"
#include "settings/ProgramFolder.h"
#include "settings/SettingsFile.h"
#include "settings/SettingsRecord.h"
#include "texts/FileTexts.h"

SettingsNameChoice::SettingsNameChoice(Field field) : field_(field) {}

QString SettingsNameChoice::problemWith(const QString& fileName) {
    const QString unstorable = cp1251::unencodable(fileName);
    if (!unstorable.isEmpty()) {
        return filetexts::nameUnstorable(fileName, unstorable);
    }
    if (cp1251::encode(fileName).size() > SettingsRecord::kNameCapacity) {
        return filetexts::nameTooLong(fileName, SettingsRecord::kNameCapacity);
    }
    return QString();
}

Expected<void> SettingsNameChoice::store(const ProgramFolder& folder, SettingsRecord& settings,
                                         const QString& fileName) const {
    const QString problem = problemWith(fileName);
    if (!problem.isEmpty()) {
        return Failure{problem};
    }
    const SettingsFile file(folder.path(formatnames::settingsFile()));
    return file.updateThrough(settings, [&](SettingsRecord& rec) {
        if (field_ == Field::LangFile) {
            rec.setLangFile(fileName);
        } else {
            rec.setSkinFile(fileName);
        }
    });
}
