#pragma once

#include <QFont>

// The font the calendar and the holiday editor are designed around: "MS Sans
// Serif" where the font database has it, else the desktop's general font, at
// the given height in pixels.
QFont formFont(int pixelHeight);
