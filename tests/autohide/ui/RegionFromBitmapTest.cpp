#include <gtest/gtest.h>

#include <QImage>

#include "autohide/ui/RegionFromBitmap.h"

namespace {

const QRgb kBack = qRgb(255, 0, 255);
const QRgb kInk = qRgb(0, 0, 0);

QImage canvas(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kBack);
    return image;
}

// Regions are compared as sets of pixels, however their rectangles are cut.
void expectRegion(const std::optional<QRegion>& actual, const QRegion& expected) {
    ASSERT_TRUE(actual.has_value());
    EXPECT_TRUE((*actual ^ expected).isEmpty()) << "got " << actual->rectCount() << " rects";
}

}  // namespace

TEST(RegionFromBitmap, SinglePixels) {
    QImage image = canvas(5, 4);
    image.setPixel(2, 1, kInk);
    expectRegion(regionFromBitmap(image), QRegion(2, 1, 1, 1));

    // The colour at (0, 0) is the background, whatever it is.
    QImage inverted = canvas(3, 3);
    inverted.fill(kInk);
    inverted.setPixel(0, 0, kBack);
    expectRegion(regionFromBitmap(inverted), QRegion(0, 0, 3, 3) - QRegion(0, 0, 1, 1));

    // A 1×1 picture is its own background.
    EXPECT_FALSE(regionFromBitmap(canvas(1, 1)).has_value());
}

TEST(RegionFromBitmap, RunsWithinARow) {
    QImage image = canvas(10, 2);
    for (int x : {1, 2, 3, 6, 7}) {
        image.setPixel(x, 0, kInk);
    }
    expectRegion(regionFromBitmap(image), QRegion(1, 0, 3, 1) + QRegion(6, 0, 2, 1));

    // A run open at the row's end closes there and does not leak into the
    // next row's start.
    QImage edge = canvas(6, 3);
    for (int x = 3; x < 6; ++x) {
        edge.setPixel(x, 1, kInk);
    }
    edge.setPixel(0, 2, kInk);
    expectRegion(regionFromBitmap(edge), QRegion(3, 1, 3, 1) + QRegion(0, 2, 1, 1));
}

TEST(RegionFromBitmap, AnyOtherColourCounts) {
    QImage image = canvas(4, 1);
    image.setPixel(1, 0, qRgb(255, 0, 254));  // one step off the background
    image.setPixel(2, 0, qRgb(10, 20, 30));
    expectRegion(regionFromBitmap(image), QRegion(1, 0, 2, 1));
}

TEST(RegionFromBitmap, ShapeOfATab) {
    // A rounded tab: background corners, ink elsewhere.
    QImage image = canvas(8, 20);
    QRegion expected;
    for (int y = 0; y < 20; ++y) {
        const int inset = (y == 0 || y == 19) ? 2 : (y == 1 || y == 18) ? 1 : 0;
        for (int x = inset; x < 8; ++x) {
            image.setPixel(x, y, kInk);
        }
        expected += QRect(inset, y, 8 - inset, 1);
    }
    image.setPixel(0, 0, kBack);
    expectRegion(regionFromBitmap(image), expected);
}

TEST(RegionFromBitmap, NothingToShape) {
    EXPECT_FALSE(regionFromBitmap(canvas(7, 9)).has_value());
    EXPECT_FALSE(regionFromBitmap(QImage()).has_value());
    EXPECT_FALSE(regionFromBitmap(QImage(5, 0, QImage::Format_RGB32)).has_value());
}

TEST(RegionFromBitmap, IndexedPicturesCompareByColour) {
    QImage image(4, 2, QImage::Format_Indexed8);
    // Two palette entries of the same colour are one colour.
    image.setColorTable({kBack, kInk, kBack});
    image.fill(0);
    image.setPixel(1, 0, 2);
    image.setPixel(3, 1, 1);
    expectRegion(regionFromBitmap(image), QRegion(3, 1, 1, 1));
}
