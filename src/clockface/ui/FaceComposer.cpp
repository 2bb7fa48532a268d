#include "clockface/ui/FaceComposer.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "clockface/ui/FacePainter.h"

void FaceComposer::setArea(QSize size, qreal scale) {
    size_ = size;
    scale_ = scale;
}

QRect FaceComposer::reach(const HandLine& line) const {
    // A round end reaches half the pen beyond the end point; one pixel more
    // for the rasteriser's rounding. One rectangle around the hand: covering
    // a slanting hand piece by piece paints fewer pixels, but uniting the
    // pieces into a region costs more than copying the pixels it saves.
    // Descriptions may put points anywhere, so clamp to a little beyond the
    // area before narrowing to int.
    const double margin = line.penWidth / 2 + 2;
    const double x0 = double(line.from.x), y0 = double(line.from.y);
    const double x1 = double(line.to.x), y1 = double(line.to.y);
    auto clampX = [this](double v) { return int(std::clamp<double>(v, -1, size_.width() + 1)); };
    auto clampY = [this](double v) { return int(std::clamp<double>(v, -1, size_.height() + 1)); };
    return QRect(QPoint(clampX(std::floor(std::min(x0, x1) - margin)),
                        clampY(std::floor(std::min(y0, y1) - margin))),
                 QPoint(clampX(std::ceil(std::max(x0, x1) + margin)),
                        clampY(std::ceil(std::max(y0, y1) + margin))));
}

QList<QRect> FaceComposer::setHands(const std::array<HandLine, 3>& lines,
                                    const std::array<QColor, 3>& colours) {
    QList<QRect> dirty;
    if (hasHands_ && lines == lines_ && colours == colours_) {
        return dirty;
    }
    for (Layer& layer : layers_) {
        for (size_t i = layer.first; i < layer.first + layer.count; ++i) {
            if (!hasHands_ || lines[i] != lines_[i] || colours[i] != colours_[i]) {
                layer.stale = true;
                if (hasHands_) {
                    dirty << reach(lines_[i]) << reach(lines[i]);
                }
            }
        }
    }
    if (!hasHands_) {
        dirty << QRect(QPoint(0, 0), size_);
    }
    lines_ = lines;
    colours_ = colours;
    hasHands_ = true;
    return dirty;
}

void FaceComposer::refreshLayers() {
    const QSize pixels = (QSizeF(size_) * scale_).toSize();
    for (Layer& layer : layers_) {
        if (layer.pixels.size() != pixels || layer.pixels.devicePixelRatio() != scale_) {
            layer.pixels = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
            layer.pixels.setDevicePixelRatio(scale_);
            layer.pixels.fill(Qt::transparent);
            layer.drawn = QRect();
            layer.stale = true;
        }
        if (layer.stale) {
            redraw(layer);
        }
    }
}

void FaceComposer::redraw(Layer& layer) {
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

namespace {

// Qt's own arithmetic for a premultiplied pixel times an alpha, so that the
// pixels come out as its painter makes them.
inline quint32 byteMul(quint32 x, quint32 a) {
    quint32 t = (x & 0xff00ff) * a;
    t = (t + ((t >> 8) & 0xff00ff) + 0x800080) >> 8;
    t &= 0xff00ff;
    x = ((x >> 8) & 0xff00ff) * a;
    x = (x + ((x >> 8) & 0xff00ff) + 0x800080);
    x &= 0xff00ff00;
    return x | t;
}

}  // namespace

bool FaceComposer::compose(QImage& out, const QRect& dirty) {
    const QRect faceRect(QPoint(0, 0), picture_.deviceIndependentSize().toSize());
    const int scale = int(scale_);
    if (picture_.isNull() || picture_.hasAlphaChannel() ||
        picture_.format() != QImage::Format_RGB32 || picture_.devicePixelRatio() != scale_ ||
        scale != scale_ || !faceRect.contains(dirty) || out.format() != QImage::Format_RGB32 ||
        out.size() != dirty.size() * scale) {
        return false;
    }
    if (hasHands_) {
        refreshLayers();
    }
    const QRect pixels(dirty.topLeft() * scale, dirty.size() * scale);
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* face =
            reinterpret_cast<const quint32*>(picture_.constScanLine(pixels.y() + y)) + pixels.x();
        std::copy(face, face + pixels.width(), reinterpret_cast<quint32*>(out.scanLine(y)));
    }
    for (const Layer& layer : layers_) {
        const QRect hands = dirty & layer.drawn;
        if (!hasHands_ || hands.isEmpty()) {
            continue;
        }
        const QRect from(hands.topLeft() * scale, hands.size() * scale);
        for (int y = 0; y < from.height(); ++y) {
            const auto* source =
                reinterpret_cast<const quint32*>(layer.pixels.constScanLine(from.y() + y)) +
                from.x();
            auto* target = reinterpret_cast<quint32*>(out.scanLine(from.y() - pixels.y() + y)) +
                           (from.x() - pixels.x());
            for (int x = 0; x < from.width(); ++x) {
                const quint32 s = source[x];
                if (s >= 0xff000000) {
                    target[x] = s;
                } else if (s != 0) {
                    target[x] = s + byteMul(target[x], 255 - (s >> 24));
                }
            }
        }
    }
    return true;
}

void FaceComposer::paint(QPainter& painter, const QRect& dirty) {
    const QRect faceRect(QPoint(0, 0), picture_.deviceIndependentSize().toSize());
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
    // Under a clip of one rectangle the picture is copied pixel for pixel,
    // also where it has two pixels to a logical one. Under the clip of a
    // region of several, Qt scales it through its general path, which hands
    // each paint to worker threads and so woke the program three times more
    // a second.
    painter.setClipRect(dirty);
    if (picture_.isNull() || picture_.hasAlphaChannel() || !faceRect.contains(dirty)) {
        painter.fillRect(dirty, panel_);
    }
    if (!picture_.isNull()) {
        copy(picture_, dirty);
    }
    for (const Layer& layer : layers_) {
        if (const QRect hands = dirty & layer.drawn; hasHands_ && !hands.isEmpty()) {
            copy(layer.pixels, hands);
        }
    }
}
