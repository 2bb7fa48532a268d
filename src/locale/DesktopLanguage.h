#pragma once

#include <QByteArray>
#include <QProcessEnvironment>
#include <QString>

// The desktop's language as the language bootstrap names it, so that a new
// program folder starts in the language its user reads.
namespace desktoplanguage {

// "rus", "eng" or "fre" for the language of the locale that LC_ALL, else
// LC_MESSAGES, else LANG names (the first that is set and not empty); "eng"
// for any other language. Empty for C, POSIX or no locale at all: the
// supplied choice stands. Only the variables' language part is read, so a
// locale that the system has not generated counts the same.
QString bootstrapCode(const QProcessEnvironment& environment);

// The bootstrap file for that language; empty where the supplied choice
// stands.
QByteArray bootstrapFile(const QProcessEnvironment& environment);

}  // namespace desktoplanguage
