#pragma once

#include <QString>

#include "locale/LanguageSection.h"
#include "locale/LanguageSections.h"
#include "scheduler/RepeatRule.h"
#include "settings/ProgramFolder.h"
#include "settings/SettingsRecord.h"

// The texts of "[funrep]". A line that the language file lacks or leaves
// empty keeps its built-in Russian text: the language files of the original
// program have no such section, and a user of one must still see a word for
// every choice. An unreadable file is told by the windows' own sections.
class RepeatTexts {
  public:
    RepeatTexts(ProgramFolder folder, SettingsRecord settings);

    // Reads the section again, for a language (or folder) chosen since.
    void reload(const ProgramFolder& folder, const SettingsRecord& settings);

    QString line(sections::repeat::Line which) const;
    // The editor's and the schedule list's name of a rule.
    QString ruleName(RepeatRule rule) const;
    // The overdue notice's line: the missed count's text and the count.
    QString missedLine(qint64 count) const;

    static QString builtIn(sections::repeat::Line which);

  private:
    ProgramFolder folder_;
    SettingsRecord settings_;
    mutable LanguageSection section_;
    mutable bool loaded_ = false;
};
