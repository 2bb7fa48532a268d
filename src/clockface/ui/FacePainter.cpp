#include "clockface/ui/FacePainter.h"

#include <QPainter>
#include <algorithm>

#include "clockface/SkinColourTable.h"

namespace face {

namespace {

constexpr int kRadiusInset = 9;  // the supplied skins: 189 pixels, radius 85
constexpr int kDiscMargin = 5;   // the disc reaches a little beyond the hands

}  // namespace

QColor skinColour(int index) {
    if (!isSkinColourIndex(index)) {
        index = 0;
    }
    const SkinRgb rgb = skinColourTable[size_t(index)];
    return QColor(rgb.red, rgb.green, rgb.blue);
}

HandGeometry defaultGeometry(QSize size) {
    const int side = std::min(size.width(), size.height());
    return HandGeometry{(size.width() - 1) / 2, (size.height() - 1) / 2,
                        (side - 1) / 2 - kRadiusInset};
}

QImage plainFace(QSize size, const QColor& panel) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(panel);
    const HandGeometry g = defaultGeometry(size);
    const int r = g.radius + kDiscMargin;
    if (r > 0) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(QColor(128, 128, 128), 1));
        painter.setBrush(QColor(250, 250, 246));
        painter.drawEllipse(QPoint(g.cx, g.cy), r, r);
    }
    return image;
}

void drawHand(QPainter& painter, const HandLine& line, const QColor& colour) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    // Round ends, as wide pens of the desktop's own drawing have.
    painter.setPen(QPen(colour, line.penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(QPointF(qreal(line.from.x), qreal(line.from.y)),
                     QPointF(qreal(line.to.x), qreal(line.to.y)));
}

}  // namespace face
