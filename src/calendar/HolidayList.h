#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The holiday editor's list of one month's entries, kept in ascending order of
// the days they stand for. Entries are the texts the user typed, unchanged:
// "07" stays "07" and sorts as 7.
namespace holidaylist {

// The number an entry stands for: blanks in front, an optional sign and
// decimal digits, within 32 bits; nothing for any other text.
std::optional<qint32> integerValue(const QString& text);

// The message for an entry that is not a number.
QString notAnInteger(const QString& text);

// True for the list that stands for a month without holidays: one empty entry.
bool isPlaceholder(const QStringList& entries);

// Exchange sort by integerValue: as many passes as there are entries, each
// comparing every neighbouring pair from the top and swapping when the upper
// value is greater (equal values stay as they are). The first entry that is
// not a number stops the sort where it stands; its message is returned.
// Empty when the sort ran through. Fast for any length.
QString sortByDay(QStringList& entries);

// Adds `text` and sorts. Empty entries (the placeholder of an empty month and
// any blank line a file held) go first; they mark no day. Returns the sort's
// message.
QString add(QStringList& entries, const QString& text);

}  // namespace holidaylist
