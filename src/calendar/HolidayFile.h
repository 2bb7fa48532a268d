#pragma once

#include <QString>
#include <QStringList>

#include "settings/Expected.h"

class ProgramFolder;

// One month's holidays: "\prazdniki\<month>.prz", one day number per line,
// every line written with CR LF. Readers also take a lone LF as a line end.
namespace holidays {

// On-disk path of month 1..12 (looked up without regard to case).
QString pathFor(const ProgramFolder& folder, int month);

// Every line in file order; a zero-byte file gives one empty line. A failure
// when the file cannot be opened.
Expected<QStringList> read(const QString& path);

// Each entry followed by CR LF, replacing the file only once the new content
// is complete on disk. An empty list gives a zero-byte file.
Expected<void> write(const QString& path, const QStringList& entries);

}  // namespace holidays
