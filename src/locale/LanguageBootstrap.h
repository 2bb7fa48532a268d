#pragma once

#include <QByteArray>
#include <QString>

class ProgramFolder;

// The one-shot language bootstrap: "\system\lang.ini" (section Lang, key Lang:
// "rus", "eng" or "fre") sets langFile in "\system\system.ini" and is deleted.
// Failures pass silently; the INI file is deleted all the same.
void applyLanguageBootstrap(const ProgramFolder& folder);

// The bootstrap file that picks `code` ("rus", "eng" or "fre"), as Windows'
// profile functions write it into a new file: one section, one key, CR LF.
QByteArray languageBootstrapText(const QString& code);
