#include <QPainter>

#include "WidgetFixture.h"
#include "calendar/widgets/Frame3D.h"

namespace {

constexpr QRgb kMagenta = 0xFFFF00FF;

QImage blank(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(kMagenta);
    return image;
}

}  // namespace

using Frame3DTest = WidgetTest;

TEST_F(Frame3DTest, RingsOwnTheirCornersAndShrinkTheInside) {
    QImage image = blank(6, 5);
    QPainter painter(&image);
    QRect r = image.rect();
    drawFrame3D(painter, r, QColor(kLight), QColor(kDark), 1);
    painter.end();
    EXPECT_EQ(r, QRect(1, 1, 4, 3));
    EXPECT_EQ(image.pixel(0, 0), kLight);
    EXPECT_EQ(image.pixel(0, 4), kLight);  // bottom-left goes with the top colour
    EXPECT_EQ(image.pixel(4, 0), kLight);
    EXPECT_EQ(image.pixel(5, 0), kDark);  // top-right goes with the bottom colour
    EXPECT_EQ(image.pixel(5, 4), kDark);
    EXPECT_EQ(image.pixel(1, 4), kDark);
    EXPECT_EQ(count(image, kMagenta), 12);
}

TEST_F(Frame3DTest, BorderWiderThanTheRectangleOnlyShrinksIt) {
    QImage image = blank(5, 4);
    QPainter painter(&image);
    QRect r = image.rect();
    drawFrame3D(painter, r, QColor(kLight), QColor(kDark), 1000000000);
    painter.end();
    EXPECT_EQ(count(image, kMagenta), 0);
    EXPECT_TRUE(r.isEmpty());
    EXPECT_EQ(r.width(), 0);
    EXPECT_EQ(r.height(), 0);

    QRect untouched(0, 0, 5, 4);
    QImage none = blank(5, 4);
    QPainter p2(&none);
    drawFrame3D(p2, untouched, QColor(kLight), QColor(kDark), -3);
    p2.end();
    EXPECT_EQ(untouched, QRect(0, 0, 5, 4));
    EXPECT_EQ(count(none, kMagenta), 20);
}
