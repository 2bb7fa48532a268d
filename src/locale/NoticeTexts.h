#pragma once

#include <QString>

#include "locale/LanguageSection.h"
#include "locale/LanguageSections.h"
#include "settings/ProgramFolder.h"
#include "settings/SettingsRecord.h"

// The texts of "[funnot]": putting a reminder off, and the desktop's
// notifications. Read from the language file the first time one is asked
// for. A line that the file lacks or leaves empty keeps its built-in Russian
// text (the language files of the original program have no such section), so
// no button goes without a caption; an unreadable file is told by the
// windows' own sections, not here.
class NoticeTexts {
  public:
    // The language file as the settings name it at the first question, which
    // comes after the start has read them; a new language comes with the
    // restart that choosing it performs. Both are the clock's own, kept.
    NoticeTexts(const ProgramFolder& folder, const SettingsRecord& settings);

    QString line(sections::notices::Line which) const;

    static QString builtIn(sections::notices::Line which);

  private:
    const ProgramFolder& folder_;
    const SettingsRecord& settings_;
    mutable LanguageSection section_;
    mutable bool loaded_ = false;
};
