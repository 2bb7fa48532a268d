#pragma once

#include <QColor>
#include <QRegion>
#include <array>

#include "clockface/ClockHands.h"
#include "clockface/ui/PictureView.h"

// The clock face control: the face picture with the three hands painted over
// it while it is shown, so a new second costs no copy of the picture and only
// where a hand was or now is gets painted again. The hands are drawn into two
// transparent layers, the seconds hand alone and the minute and hour hands
// over it: a new second strokes one hand, once, and a repaint only copies.
// It covers its whole area itself (around a smaller picture, and under a
// transparent one, with the panel colour that showed through there), so
// nothing behind it is painted first.
class FaceView : public PictureView {
    Q_OBJECT
  public:
    explicit FaceView(QWidget* parent = nullptr);

    // Nothing is painted again when the hands are where they were.
    void setHands(const std::array<HandLine, 3>& lines, const std::array<QColor, 3>& colours);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // The hands of one layer: the first hand and the number of them.
    struct Layer {
        size_t first;
        size_t count;
        QImage pixels;  // at the screen's scale, the control's size
        QRect drawn;    // where its hands are, empty when nowhere
        bool stale = true;
    };

    QRect reach(const HandLine& line) const;
    void refreshLayers();
    void redraw(Layer& layer);

    std::array<HandLine, 3> lines_{};
    std::array<QColor, 3> colours_{};
    bool hasHands_ = false;
    std::array<Layer, 2> layers_{Layer{0, 1, {}, {}}, Layer{1, 2, {}, {}}};
};
