#pragma once

#include <QString>

#include "settings/Expected.h"

class ProgramFolder;
class SettingsRecord;

// Storing a chosen file name (a language or a skin) in its name field of the
// settings record. The field holds 25 bytes of code page 1251; a name that
// does not fit would be kept cut or garbled and would name no file after the
// restart, so such names are refused before anything is written.
class SettingsNameChoice {
  public:
    enum class Field { LangFile, SkinFile };

    explicit SettingsNameChoice(Field field);

    // Why `fileName` cannot be kept in the field, for the user; empty when it
    // can.
    static QString problemWith(const QString& fileName);

    // Rereads the settings file into `settings`, sets the field and rewrites
    // the file; an unreadable file is rebuilt from `settings` with the new
    // name. False (with the reason) when the name is refused or the file could
    // not be written.
    Expected<void> store(const ProgramFolder& folder, SettingsRecord& settings,
                         const QString& fileName) const;

  private:
    Field field_;
};
