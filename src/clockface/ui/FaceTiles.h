#pragma once

#include <QPoint>
#include <array>
#include <vector>

#include "clockface/HandGeometry.h"
#include "clockface/ui/FaceComposer.h"
#include "platform/WindowTicker.h"

// The face painted by a window ticker: it moves the hands of its own copy
// of the face to the time it is given and hands over the pixels of the
// rectangles that changed, at their place in the window.
class FaceTiles {
  public:
    // `offset`: the face's logical top left corner in the window.
    FaceTiles(FaceComposer face, const HandGeometry& geometry, const std::array<QColor, 3>& colours,
              QPoint offset);

    void operator()(QTime now, const WindowTicker::Put& put);

  private:
    FaceComposer face_;
    HandGeometry geometry_;
    std::array<QColor, 3> colours_;
    QPoint offset_;
    std::vector<quint32> buffer_;  // the changed rectangle's pixels, kept from second to second
};
