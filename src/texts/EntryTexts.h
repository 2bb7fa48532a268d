#pragma once

#include <QString>

// The checks of an entry before it goes into a schedule: its time, its text,
// its path. Said by the editors and by the command line, so in Russian and
// in English (see TextLanguage.h).
namespace entrytexts {

QString hourOutOfRange(const QString& hour);
QString minuteOutOfRange(const QString& minute);
QString reminderTextTooLong(int capacity);
QString pathTooLong(int capacity, const QString& path);
// `characters`: the characters named one by one with unstorableCharacter(),
// joined.
QString unstorableCharacters(const QString& characters);
// One character and its code point ("4E2D").
QString unstorableCharacter(const QString& character, const QString& codePoint);

}  // namespace entrytexts
