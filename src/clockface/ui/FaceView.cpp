#include "clockface/ui/FaceView.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "clockface/ui/FacePainter.h"

FaceView::FaceView(QWidget* parent) : PictureView(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QRect FaceView::reach(const HandLine& line) const {
    // A round end reaches half the pen beyond the end point; one pixel more
    // for the rasteriser's rounding. One rectangle around the hand: covering
    // a slanting hand piece by piece paints fewer pixels, but uniting the
    // pieces into a region costs more than copying the pixels it saves.
    // Descriptions may put points anywhere, so clamp to a little beyond the
    // control before narrowing to int.
    const double margin = line.penWidth / 2 + 2;
    const double x0 = double(line.from.x), y0 = double(line.from.y);
    const double x1 = double(line.to.x), y1 = double(line.to.y);
    auto clampX = [this](double v) { return int(std::clamp<double>(v, -1, width() + 1)); };
    auto clampY = [this](double v) { return int(std::clamp<double>(v, -1, height() + 1)); };
    return QRect(QPoint(clampX(std::floor(std::min(x0, x1) - margin)),
                        clampY(std::floor(std::min(y0, y1) - margin))),
                 QPoint(clampX(std::ceil(std::max(x0, x1) + margin)),
                        clampY(std::ceil(std::max(y0, y1) + margin))));
}

void FaceView::setHands(const std::array<HandLine, 3>& lines,
                        const std::array<QColor, 3>& colours) {
    if (hasHands_ && lines == lines_ && colours == colours_) {
        return;
    }
    for (Layer& layer : layers_) {
        for (size_t i = layer.first; i < layer.first + layer.count; ++i) {
            if (!hasHands_ || lines[i] != lines_[i] || colours[i] != colours_[i]) {
                layer.stale = true;
                if (hasHands_) {
                    update(reach(lines_[i]));
                    update(reach(lines[i]));
                }
            }
        }
    }
    if (!hasHands_) {
        update();
    }
    lines_ = lines;
    colours_ = colours;
    hasHands_ = true;
}

void FaceView::refreshLayers() {
    const qreal scale = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * scale).toSize();
    for (Layer& layer : layers_) {
        if (layer.pixels.size() != pixels || layer.pixels.devicePixelRatio() != scale) {
            layer.pixels = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
            layer.pixels.setDevicePixelRatio(scale);
            layer.pixels.fill(Qt::transparent);
            layer.drawn = QRect();
            layer.stale = true;
        }
        if (layer.stale) {
            redraw(layer);
        }
    }
}

void FaceView::redraw(Layer& layer) {
    QPainter painter(&layer.pixels);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(layer.drawn, Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    layer.drawn = QRect();
    for (size_t i = layer.first; i < layer.first + layer.count; ++i) {
        face::drawHand(painter, lines_[i], colours_[i]);
        layer.drawn |= reach(lines_[i]);
    }
    layer.stale = false;
}

void FaceView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QImage& face = picture();
    const QRect faceRect(QPoint(0, 0), face.deviceIndependentSize().toSize());
    const QColor panel = palette().color(QPalette::Window);
    if (hasHands_) {
        refreshLayers();
    }
    // The part of a picture under a logical rectangle, at full detail: the
    // picture may have more pixels than logical ones (a sharp one for a
    // high-density screen).
    auto copy = [&painter](const QImage& picture, const QRect& area) {
        const qreal scale = picture.devicePixelRatio();
        const QRectF source(QPointF(area.topLeft()) * scale, QSizeF(area.size()) * scale);
        painter.drawImage(QRectF(area), picture, source);
    };
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
            copy(face, dirty);
        }
        for (const Layer& layer : layers_) {
            if (const QRect hands = dirty & layer.drawn; hasHands_ && !hands.isEmpty()) {
                copy(layer.pixels, hands);
            }
        }
    }
}
