#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <array>

#include "clockface/ClockHands.h"

// Drawing helpers of the clock face: the hands over a face picture, and the
// plain face that stands in when a skin cannot be used.
namespace face {

// Hand colours while the skin's own cannot be used: black, black, red.
inline constexpr std::array<int, 3> kDefaultColourIndices{0, 0, 9};

QColor skinColour(int index);

// Centre and radius for a face of `size` without a usable description: the
// middle of the face, with the proportions of the supplied 189-pixel skins.
HandGeometry defaultGeometry(QSize size);

// A light disc on `panel`, sized to fit defaultGeometry(size).
QImage plainFace(QSize size, const QColor& panel);

// Draws a hand with an aliased pen, so that the pixels drawn are exactly the
// line.
void drawHand(QPainter& painter, const HandLine& line, const QColor& colour);

}  // namespace face
