#pragma once

#include <QImage>
#include <QRegion>
#include <optional>

// The shape of a picture whose background is the colour of its top-left
// pixel: every pixel of another colour, as one-row rectangles joined into a
// region. Nothing when no pixel differs or the picture has no rows; a window
// given nothing keeps its whole rectangle.
std::optional<QRegion> regionFromBitmap(const QImage& picture);
