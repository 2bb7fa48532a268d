#pragma once

#include <QString>
#include <QStringList>

// The about box's own texts, Russian in every language: no language file
// section covers it.
namespace abouttexts {

// The thanks list, line by line; an empty line between paragraphs.
QStringList acknowledgements();
// What a screen reader calls that list.
QString acknowledgementsName();

}  // namespace abouttexts
