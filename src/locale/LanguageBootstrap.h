#pragma once

class ProgramFolder;

// The one-shot language bootstrap: "\system\lang.ini" (section Lang, key Lang:
// "rus", "eng" or "fre") sets langFile in "\system\system.ini" and is deleted.
// Failures pass silently; the INI file is deleted all the same.
void applyLanguageBootstrap(const ProgramFolder& folder);
