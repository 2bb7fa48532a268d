#pragma once

#include <QString>
#include <optional>

#include "locale/LanguageFile.h"

class ProgramFolder;
class SettingsRecord;

// The language file the settings name, "\lang\<langFile>", for the calendar
// tables and the holiday editor's month list. Nothing (with the reason) when
// no file is named or the name reaches outside the language folder; whether
// the file opens is found out by the read itself.
std::optional<LanguageFile> currentLanguageFile(const ProgramFolder& folder,
                                                const SettingsRecord& settings, QString* error);
