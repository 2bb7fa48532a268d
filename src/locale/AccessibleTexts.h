#pragma once

#include <QString>

#include "locale/LanguageSection.h"
#include "locale/LanguageSections.h"
#include "settings/ProgramFolder.h"
#include "settings/SettingsRecord.h"

// The texts of "[funacc]", which only a screen reader speaks. They are read
// from the language file the first time one is asked for, and not before:
// without a screen reader nobody asks, and nothing is read. A line that the
// file lacks or leaves empty keeps its built-in Russian text (the language
// files of the original program have no such section), so that nothing goes
// unnamed; an unreadable file is told by the windows' own sections, not here.
class AccessibleTexts {
  public:
    // The language file as the settings name it now; a new language comes
    // with the restart that choosing it performs.
    AccessibleTexts(ProgramFolder folder, SettingsRecord settings);

    QString line(sections::access::Line which) const;

    static QString builtIn(sections::access::Line which);

  private:
    ProgramFolder folder_;
    SettingsRecord settings_;
    mutable LanguageSection section_;
    mutable bool loaded_ = false;
};
