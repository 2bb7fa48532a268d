#include "clockface/ui/FaceView.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "clockface/ui/FacePainter.h"

FaceView::FaceView(QWidget* parent) : PictureView(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QRegion FaceView::reach(const HandLine& line) const {
    // A round end reaches half the pen beyond the end point; one pixel more
    // for the rasteriser's rounding. A slanting hand is covered piece by
    // piece, a few pixels at a time, rather than by the one rectangle around
    // it: each second then repaints and sends to the X server about half as
    // many pixels. Descriptions may put points anywhere, so clamp to a little
    // beyond the control before narrowing to int.
    constexpr double kPiece = 12;
    constexpr qint64 kMostPieces = 64;
    const double margin = line.penWidth / 2 + 2;
    const double x0 = double(line.from.x), y0 = double(line.from.y);
    const double dx = double(line.to.x) - x0, dy = double(line.to.y) - y0;
    const qint64 pieces = std::clamp<qint64>(
        qint64(std::ceil(std::max(std::abs(dx), std::abs(dy)) / kPiece)), 1, kMostPieces);
    auto clampX = [this](double v) { return int(std::clamp<double>(v, -1, width() + 1)); };
    auto clampY = [this](double v) { return int(std::clamp<double>(v, -1, height() + 1)); };
    QRegion region;
    for (qint64 i = 0; i < pieces; ++i) {
        const double t0 = double(i) / double(pieces), t1 = double(i + 1) / double(pieces);
        const double ax = x0 + dx * t0, bx = x0 + dx * t1;
        const double ay = y0 + dy * t0, by = y0 + dy * t1;
        const QPoint topLeft(clampX(std::floor(std::min(ax, bx) - margin)),
                             clampY(std::floor(std::min(ay, by) - margin)));
        const QPoint bottomRight(clampX(std::ceil(std::max(ax, bx) + margin)),
                                 clampY(std::ceil(std::max(ay, by) + margin)));
        region += QRect(topLeft, bottomRight);
    }
    return region;
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
