#include "clockface/ui/FaceTiles.h"

#include <QPainter>
#include <algorithm>

FaceTiles::FaceTiles(FaceComposer face, const HandGeometry& geometry,
                     const std::array<QColor, 3>& colours, QPoint offset)
    : face_(std::move(face)), geometry_(geometry), colours_(colours), offset_(offset) {}

// One tile a second: the rectangles a moved hand left and entered overlap
// or lie close, and one painter, allocation and request cost more than the
// pixels between them.
void FaceTiles::operator()(QTime now, const WindowTicker::Put& put) {
    QRect dirty;
    for (const QRect& changed : face_.setHands(hands::at(now, geometry_), colours_)) {
        dirty |= changed;
    }
    dirty &= QRect(QPoint(0, 0), face_.size());
    if (dirty.isEmpty()) {
        return;
    }
    const int scale = int(face_.scale());
    // Over one buffer kept from second to second: no allocation of pixels.
    const QSize pixels = dirty.size() * scale;
    buffer_.resize(std::max(buffer_.size(), size_t(pixels.width()) * pixels.height()));
    QImage tile(reinterpret_cast<uchar*>(buffer_.data()), pixels.width(), pixels.height(),
                pixels.width() * 4, QImage::Format_RGB32);
    if (!face_.compose(tile, dirty)) {
        tile.setDevicePixelRatio(scale);
        QPainter painter(&tile);
        painter.translate(-dirty.topLeft());
        face_.paint(painter, dirty);
    }
    put(QRect((offset_ + dirty.topLeft()) * scale, tile.size()), tile.constBits(),
        tile.bytesPerLine());
}
