#pragma once

#include <QString>

// The desktop entry "chronidex autorun.desktop" in the folder whose entries
// the session starts at log-on. It starts the program's executable (the
// program folder's own, or the installed one) with the program folder as its
// working folder.
class AutostartEntry {
  public:
    static constexpr const char* kFileName = "chronidex autorun.desktop";

    // An empty `startupFolder` (no home to put it in) names no entry: it never
    // exists and is never created or deleted.
    AutostartEntry(QString startupFolder, QString programFolder, QString executable);

    const QString& startupFolder() const { return startupFolder_; }
    QString path() const;
    // True when anything already holds the entry's name, a dangling link too.
    bool exists() const;

    // Writes the entry unless something of that name exists; the startup
    // folder is made when missing. True when an entry was written.
    bool create() const;
    // Deletes the entry; true when nothing of that name is left.
    bool remove() const;

    // The whole file, UTF-8.
    static QString text(const QString& programFolder, const QString& executable);
    // One argument of an Exec line: double-quoted when it holds a reserved
    // character, with ", `, $ and \ escaped inside the quotes and % doubled,
    // then escaped as a string value.
    static QString execArgument(const QString& argument);
    // A string value: backslash, tab, newline and carriage return escaped.
    static QString stringValue(const QString& value);
    // False for a path that a desktop entry cannot carry (control
    // characters that have no escape).
    static bool canCarry(const QString& path);

  private:
    QString startupFolder_;
    QString programFolder_;
    QString executable_;
};
