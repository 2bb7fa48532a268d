#pragma once

#include <QColor>
#include <QRect>

#include "calendar/widgets/Label3DStyles.h"

class QPainter;

// Fills `r` from `first` to `last` in one-pixel strips across `orientation`
// (columns for Horizontal, rows for Vertical). With n the extent minus 1,
// strip i takes each channel as (first * (n - i) + last * i) / n, truncated,
// so the first strip is exactly `first` and the last exactly `last`. A
// rectangle one pixel (or less) along the orientation gets nothing.
void fillGradientStrips(QPainter& painter, const QRect& r, const QColor& first, const QColor& last,
                        GradientOrientation orientation);
