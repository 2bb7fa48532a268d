#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

#include "scheduler/RepeatEntry.h"
#include "settings/Expected.h"

class ProgramFolder;

// "\system\repeat.dat": the rules of the repeating reminders, a file of this
// program's own beside "napom.dat". The schedule itself keeps the original
// format byte for byte: it holds each repeating reminder's next occurrence
// as an ordinary record, which any program that reads "napom.dat" announces
// once, and this file tells which records repeat and how.
//
// Text in code page 1251, each line ended by CR LF. The first line is
// exactly "Chronidex repeat 1". Every further line is one repeating
// reminder, six fields separated by a tab:
//   1 rule    daily, workdays, weekly, monthly or yearly
//   2 anchor  YYYY-MM-DD: the day the reminder was set for, which fixes the
//             weekday, the day of the month or the day of the year
//   3 day     YYYY-MM-DD: the day of its record in "napom.dat"
//   4 then    YYYY-MM-DD: the day of the record that replaces it while
//             "napom.dat" is being rewritten; "-" otherwise
//   5 time    the record's time text, "hh:nn"
//   6 text    the record's text
// In the time and the text a backslash is written "\\", a tab "\t", CR "\r",
// LF "\n" and any other byte below 32 as "\x" and two hexadecimal digits;
// every other byte stands for itself. Empty lines are ignored. A line that
// does not read so is dropped at the next rewrite: its reminder is announced
// once, as an ordinary one.
class RepeatFile {
  public:
    static constexpr char kHeader[] = "Chronidex repeat 1";

    struct Read {
        QList<RepeatEntry> entries;
        bool missing = false;  // no file under the name
        int unreadable = 0;    // lines (the first one among them) that were not rules
        QString failure;       // why the file could not be read at all; empty when it was
        bool damaged() const { return unreadable > 0 || !failure.isEmpty(); }
    };

    explicit RepeatFile(const ProgramFolder& folder);

    const QString& path() const { return path_; }

    Read read() const;

    // The file's bytes for these rules.
    static QByteArray text(const QList<RepeatEntry>& entries);
    // Parses the file's bytes.
    static Read parse(const QByteArray& bytes);

    struct Update {
        Expected<void> written;  // fails when the file could not be written
        Read before;             // what the file held when the change began
    };
    // Reads the rules, lets `change` edit them and writes them back, all
    // while the program folder's other writers wait; the rewrite takes the
    // file's name in one rename, through a link to the file it ends in. A
    // damaged file is rewritten with the rules that could be read, also when
    // nothing changed: its damage is reported once, by the caller that got
    // it in `before`. Without rules the file holds its first line alone.
    Update update(const std::function<void(QList<RepeatEntry>&)>& change) const;

  private:
    QString path_;
};
