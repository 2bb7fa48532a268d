#pragma once

#include <QFont>

// The forms are laid out in pixels for the 8-point Windows UI font of their
// time. Wine's free stand-in for Tahoma (Debian's fonts-wine, LGPL) has its
// metrics and Cyrillic, so the program loads it from its own file on first
// use, whatever the user's font configuration says. Without it, "MS Sans
// Serif" where the font database has it, else the desktop's general font,
// and the texts that do not fit shrink (dialogs/TextFit).
QFont formFont(int pixelHeight);

// Whether formFont() is the font the forms were measured for.
bool formFontIsDesigned();
