#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "clockface/ui/SkinPicture.h"

namespace {

QImage sample() {
    QImage image(7, 5, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, y, qRgb(x * 30, y * 50, 200));
        }
    }
    return image;
}

}  // namespace

// A picture saved in another format under a skin's name was read before the
// bitmap reader came first; it still must be, pixel for pixel.
TEST(SkinPicture, ReadsBitmapsAndStillWhatIsNoBitmapUnderABitmapsName) {
    QTemporaryDir folder;
    const QString bitmap = folder.filePath(QStringLiteral("face.bmp"));
    const QString png = folder.filePath(QStringLiteral("png.bmp"));
    ASSERT_TRUE(sample().save(bitmap, "BMP"));
    ASSERT_TRUE(sample().save(png, "PNG"));
    for (const QString& path : {bitmap, png}) {
        QString error = QStringLiteral("untouched");
        const QImage read = readSkinPicture(path, &error);
        ASSERT_FALSE(read.isNull()) << path.toStdString();
        EXPECT_EQ(read.convertToFormat(QImage::Format_RGB32), sample()) << path.toStdString();
        EXPECT_EQ(read, QImage(path)) << path.toStdString();  // as Qt's own recognition gives it
    }
}

TEST(SkinPicture, WhatNoReaderTakesGivesANullPictureAndTheReason) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("broken.bmp"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("BM not a bitmap at all");
    file.close();
    QString error;
    EXPECT_TRUE(readSkinPicture(path, &error).isNull());
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(readSkinPicture(folder.filePath(QStringLiteral("missing.bmp"))).isNull());
}
