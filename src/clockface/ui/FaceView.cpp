#include "clockface/ui/FaceView.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "clockface/ui/FacePainter.h"

FaceView::FaceView(QWidget* parent) : PictureView(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QRect FaceView::reach(const HandLine& line) const {
    // A round end reaches half the pen beyond the end point; one pixel more
    // for the rasteriser's rounding. Descriptions may put points anywhere,
    // so clamp to a little beyond the control before narrowing to int.
    const qint64 margin = line.penWidth / 2 + 2;
    auto clampX = [this](qint64 v) { return int(std::clamp<qint64>(v, -1, width() + 1)); };
    auto clampY = [this](qint64 v) { return int(std::clamp<qint64>(v, -1, height() + 1)); };
    const QPoint topLeft(clampX(std::min(line.from.x, line.to.x) - margin),
                         clampY(std::min(line.from.y, line.to.y) - margin));
    const QPoint bottomRight(clampX(std::max(line.from.x, line.to.x) + margin),
                             clampY(std::max(line.from.y, line.to.y) + margin));
    return QRect(topLeft, bottomRight);
}

void FaceView::setHands(const std::array<HandLine, 3>& lines,
                        const std::array<QColor, 3>& colours) {
    if (hasHands_ && lines == lines_ && colours == colours_) {
        return;
    }
    if (!hasHands_) {
        update();
    } else {
        for (size_t i = 0; i < lines.size(); ++i) {
            if (lines[i] != lines_[i] || colours[i] != colours_[i]) {
                update(reach(lines_[i]));
                update(reach(lines[i]));
            }
        }
    }
    lines_ = lines;
    colours_ = colours;
    hasHands_ = true;
}

void FaceView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QImage& face = picture();
    const QRect faceRect(QPoint(0, 0), face.deviceIndependentSize().toSize());
    const QColor panel = palette().color(QPalette::Window);
    // One rectangle of the dirty region at a time: under a clip of one
    // rectangle the picture is copied pixel for pixel, also where it has two
    // pixels to a logical one. Under the clip of a region of several, Qt
    // scales it through its general path, which hands each paint to worker
    // threads and so woke the program three times more a second.
    for (const QRect& dirty : event->region()) {
        painter.setClipRect(dirty);
        if (face.isNull() || face.hasAlphaChannel() || !faceRect.contains(dirty)) {
            painter.fillRect(dirty, panel);
        }
        if (!face.isNull()) {
            // The picture may have more pixels than logical ones (a sharp one
            // for a high-density screen): its part under the dirty area, at
            // full detail.
            const qreal scale = face.devicePixelRatio();
            const QRectF source(QPointF(dirty.topLeft()) * scale, QSizeF(dirty.size()) * scale);
            painter.drawImage(QRectF(dirty), face, source);
        }
    }
    painter.setClipping(false);
    if (hasHands_) {
        face::drawHands(painter, lines_, colours_);
    }
}
