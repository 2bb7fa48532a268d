#pragma once

#include <QString>

#include "locale/LanguageFile.h"
#include "settings/Expected.h"

class ProgramFolder;
class SettingsRecord;

// The language file the settings name, "\lang\<langFile>", for the calendar
// tables and the holiday editor's month list. A failure when
// no file is named or the name reaches outside the language folder; whether
// the file opens is found out by the read itself.
Expected<LanguageFile> currentLanguageFile(const ProgramFolder& folder,
                                           const SettingsRecord& settings);
