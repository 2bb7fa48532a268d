#pragma once

#include <QString>

// The language of the program's built-in texts, one for the whole process.
// The windows speak Russian whatever the language file, as the language
// files cover only their own sections; the command line speaks English, as
// its --help does, so the core's failures that reach a terminal say so in
// English there. Only the texts that can reach the command line have both.
namespace texts {

// Called by the command line's entry before it runs a command; the windows
// never call it.
void speakEnglish();
bool speaksEnglish();

// `russian`, or `english` once the process speaks English.
QString russianOrEnglish(const QString& russian, const QString& english);

}  // namespace texts
