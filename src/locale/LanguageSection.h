#pragma once

#include <QString>
#include <QStringList>

class Notices;
class ProgramFolder;
class SettingsRecord;

// One window's text slots for one fixed-size section. The slots keep their
// texts when the section is missing or the file cannot be read, so a window
// copying them into its controls keeps what it showed before (empty texts
// until a first successful load). Windows that read the same section keep
// separate objects.
class LanguageSection {
  public:
    // `header` one of the fixed-size sections (locale/LanguageSections.h).
    explicit LanguageSection(QString header);

    // Reads the section from "\lang\<settings.langFile>". A file that cannot
    // be opened is reported through errorsTo->showError (when given) and gives
    // false; the caller then skips the rest of its preparation.
    bool load(const ProgramFolder& folder, const SettingsRecord& settings, Notices* errorsTo);

    // Line n of the section, counted from 1.
    QString line(int n) const;
    const QStringList& lines() const { return slots_; }
    const QString& header() const { return header_; }

    // The number of text lines of each known fixed-size section; 0 for others.
    static int lineCountOf(const QString& header);

  private:
    QString header_;
    QStringList slots_;
};
