#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEnterEvent>
#include <QPainter>

#include "clockface/ui/PictureView.h"

namespace {

// A picture whose every pixel tells its own coordinates.
QImage coordinatePicture(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, qRgb(x % 256, y % 256, 77));
        }
    }
    return image;
}

QImage rendered(PictureView& control, QRgb background) {
    QImage out(control.size(), QImage::Format_RGB32);
    out.fill(background);
    control.render(&out, QPoint(), QRegion(), QWidget::DrawChildren);
    return out;
}

}  // namespace

TEST(PictureView, ShowsItsPictureUnscaledAtTheTopLeft) {
    PictureView control;
    control.resize(189, 189);
    const QRgb panel = qRgb(1, 2, 3);

    // Smaller: the rest shows what lies behind the control.
    control.setPicture(coordinatePicture(100, 60));
    EXPECT_EQ(control.sizeHint(), QSize(100, 60));
    QImage out = rendered(control, panel);
    EXPECT_EQ(out.pixel(0, 0), qRgb(0, 0, 77));
    EXPECT_EQ(out.pixel(99, 59), qRgb(99, 59, 77));
    EXPECT_EQ(out.pixel(100, 10), panel);
    EXPECT_EQ(out.pixel(10, 60), panel);
    EXPECT_EQ(out.pixel(188, 188), panel);

    // Larger: cut off at the control's edge, not shrunk.
    control.setPicture(coordinatePicture(300, 250));
    out = rendered(control, panel);
    EXPECT_EQ(out.size(), QSize(189, 189));
    EXPECT_EQ(out.pixel(188, 188), qRgb(188, 188, 77));
    EXPECT_EQ(out.pixel(120, 5), qRgb(120, 5, 77));
    EXPECT_EQ(control.size(), QSize(189, 189));
}

TEST(PictureView, TellsTheMouseEnteringAndLeaving) {
    PictureView control;
    control.resize(50, 50);
    int entered = 0;
    int left = 0;
    QObject::connect(&control, &PictureView::mouseEntered, [&] { ++entered; });
    QObject::connect(&control, &PictureView::mouseLeft, [&] { ++left; });

    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(&control, &enter);
    EXPECT_EQ(entered, 1);
    EXPECT_EQ(left, 0);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&control, &leave);
    EXPECT_EQ(entered, 1);
    EXPECT_EQ(left, 1);
}
