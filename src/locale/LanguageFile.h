#pragma once

#include <QString>
#include <QStringList>

#include "settings/Expected.h"

// A language file: plain cp1251 text holding named sections, each a header
// line ("[funmem]"), its text lines and "[end]". Every read is a fresh pass
// over the file. Lines end with CR LF; a lone LF ends a line too.
class LanguageFile {
  public:
    explicit LanguageFile(QString path);
    const QString& path() const { return path_; }

    // Fixed-size section: `texts` holds the section's line count; the lines
    // that follow the header go into it unexamined. A missing section leaves
    // the slots as they were. A failure when the file cannot be
    // opened; the texts are then untouched.
    Expected<void> readSection(const QString& header, QStringList& texts) const;

    // Table section ("[month]", "[nedelya]"): the lines between the header and
    // "[end]" go to texts[first], texts[first + 1], ...; lines beyond the
    // table's end are dropped.
    Expected<void> readTable(const QString& header, QStringList& texts, int first) const;

    // Every line between the header and "[end]", appended to `lines`.
    Expected<void> readList(const QString& header, QStringList& lines) const;

  private:
    QString path_;
};
