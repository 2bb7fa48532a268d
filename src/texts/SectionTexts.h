#pragma once

#include <QStringList>

// The built-in lines of the language file's sections that this program adds
// ("[funacc]", "[funrep]", "[funnot]"), in the order of the section's lines:
// what a line says when the file lacks the section or leaves the line empty.
namespace sectiontexts {

QStringList access();
QStringList repeat();
QStringList notices();

}  // namespace sectiontexts
