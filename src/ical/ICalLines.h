#pragma once

#include <QByteArray>

// The text of an iCalendar file as libical's parser takes it in, looked
// through before libical parses it: content lines, each a line with the
// lines after it that begin with a space or a tab (folded), ended by LF or
// CR LF; a line's name runs to its first ':' or ';', in any case.
namespace calendarlines {

// libical reads at most this many values of one line and drops the rest of
// them without a word.
constexpr int kValuesLibicalReads = 500;

// How deep BEGIN and END lines nest; counted up to one level past `most`.
int nesting(const QByteArray& text, int most);

// The text with each RDATE or EXDATE line that holds more values than
// libical reads split into lines of that many, so that none is lost: an
// excluded date dropped would bring its occurrence back.
QByteArray withShortValueLists(const QByteArray& text);

}  // namespace calendarlines
