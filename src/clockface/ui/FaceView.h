#pragma once

#include <QColor>
#include <array>

#include "clockface/ClockHands.h"
#include "clockface/ui/FaceComposer.h"
#include "clockface/ui/PictureView.h"

// The clock face control: the face picture with the three hands painted over
// it while it is shown, so a new second costs no copy of the picture and only
// where a hand was or now is gets painted again.
class FaceView : public PictureView {
    Q_OBJECT
  public:
    explicit FaceView(QWidget* parent = nullptr);

    // Nothing is painted again when the hands are where they were.
    void setHands(const std::array<HandLine, 3>& lines, const std::array<QColor, 3>& colours);

    // The face as it paints now, with the hands last set: a copy that can
    // go on painting it elsewhere.
    FaceComposer composer();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void settleArea();

    FaceComposer composer_;
};
