#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QRect>
#include <array>

#include "clockface/ClockHands.h"

class QPainter;

// The pixels of the clock face: the face picture with the three hands over
// it. The hands are drawn into two transparent layers, the seconds hand
// alone and the minute and hour hands over it: a new second strokes one
// hand, once, and a paint only copies. It covers its whole area itself
// (around a smaller picture, and under a transparent one, with the panel
// colour), so nothing behind it has to be painted first. A copy paints on
// its own, on any thread.
class FaceComposer {
  public:
    // The area's logical size and the screen's device pixels to a logical one.
    void setArea(QSize size, qreal scale);
    QSize size() const { return size_; }
    qreal scale() const { return scale_; }
    void setPicture(const QImage& picture) { picture_ = picture; }
    void setPanel(const QColor& panel) { panel_ = panel; }

    // Where to paint again for the hands to show so, in logical
    // coordinates: nothing when they are where they were, the whole area at
    // the first hands.
    QList<QRect> setHands(const std::array<HandLine, 3>& lines,
                          const std::array<QColor, 3>& colours);

    // Paints `dirty` (logical) with a painter in the area's coordinates.
    void paint(QPainter& painter, const QRect& dirty);
    // The same pixels for `dirty` written straight into `out` (RGB32, the
    // rectangle's device pixels), without a painter: false where the face
    // needs one (a transparent picture, one at another scale, or a
    // rectangle beyond it), and then nothing is written.
    bool compose(QImage& out, const QRect& dirty);

  private:
    // The hands of one layer: the first hand and the number of them.
    struct Layer {
        size_t first;
        size_t count;
        QImage pixels;  // at the screen's scale, the area's size
        QRect drawn;    // where its hands are, empty when nowhere
        bool stale = true;
    };

    QRect reach(const HandLine& line) const;
    void refreshLayers();
    void redraw(Layer& layer);

    QSize size_;
    qreal scale_ = 1;
    QImage picture_;
    QColor panel_;
    std::array<HandLine, 3> lines_{};
    std::array<QColor, 3> colours_{};
    bool hasHands_ = false;
    std::array<Layer, 2> layers_{Layer{0, 1, {}, {}}, Layer{1, 2, {}, {}}};
};
