#pragma once

#include <QString>

// The language files carry no text for the OK buttons: the program's own
// caption is the Russian "Ок", in Cyrillic letters, which beside the texts of
// a Latin-script language reads as a misspelt "OK".
namespace okcaption {

// "OK" when `besideText` (another text of the same dialog, as its language
// file gives it) is written in Latin letters; "Ок" when it has a Cyrillic
// letter or no letter at all.
QString beside(const QString& besideText);

}  // namespace okcaption
