#include "calendar/widgets/Frame3D.h"

#include <QPainter>
#include <algorithm>

void drawFrame3D(QPainter& painter, QRect& r, const QColor& top, const QColor& bottom, int width) {
    if (width <= 0) {
        return;
    }
    // Inclusive pixel edges; each ring is drawn as pen-wide lines whose end
    // points are left out, which is what decides the corner colours.
    int left = r.left();
    int topEdge = r.top();
    int right = r.right();
    int bottomEdge = r.bottom();
    // Rings are drawn while the rectangle still holds a pixel; a border wider
    // than the label only shrinks the inside, however many rings it asks for.
    const int side = std::min(right - left, bottomEdge - topEdge) + 1;
    const int fitting = std::max(0, (side + 1) / 2);
    const int drawn = std::min(width, fitting);
    for (int i = 0; i < drawn; ++i) {
        // Up the left edge from the bottom-left corner, then along the top.
        painter.fillRect(left, topEdge + 1, 1, bottomEdge - topEdge, top);
        painter.fillRect(left, topEdge, right - left, 1, top);
        // Down the right edge from the top-right corner, then along the bottom.
        painter.fillRect(right, topEdge, 1, bottomEdge - topEdge, bottom);
        painter.fillRect(left + 1, bottomEdge, right - left, 1, bottom);
        ++left;
        ++topEdge;
        --right;
        --bottomEdge;
    }
    // A frame that fills the whole rectangle leaves nothing inside (rather
    // than a rectangle turned inside out by the rings that did not fit).
    const bool nothingLeft = drawn < width || right < left || bottomEdge < topEdge;
    r = nothingLeft ? QRect(left, topEdge, 0, 0)
                    : QRect(QPoint(left, topEdge), QPoint(right, bottomEdge));
}
