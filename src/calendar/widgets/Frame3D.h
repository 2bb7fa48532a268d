#pragma once

#include <QColor>
#include <QRect>

class QPainter;

// A bevelled frame of `width` one-pixel rings just inside `r`: the left and
// top edges of each ring in `top`, the right and bottom edges in `bottom`
// (the bottom-left corner belongs to the top colour, the top-right corner to
// the bottom colour). On return `r` is the area inside the frame, `width`
// pixels smaller on each side. When the frame is as wide as the rectangle or
// wider, the rings are drawn while they fit and the inside is empty.
void drawFrame3D(QPainter& painter, QRect& r, const QColor& top, const QColor& bottom, int width);
