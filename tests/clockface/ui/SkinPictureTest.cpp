#include <gtest/gtest.h>

#include <QDataStream>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "TempFolder.h"
#include "clockface/BitmapExtent.h"
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

// A whole one-bit bitmap of the given size, its rows all set.
QByteArray wholeBitmap(int width, int height) {
    const qint64 row = (qint64(width) + 31) / 32 * 4;
    QByteArray file;
    QDataStream out(&file, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("BM", 2);
    out << quint32(62 + row * height) << quint32(0) << quint32(62);
    out << quint32(40) << qint32(width) << qint32(height) << quint16(1) << quint16(1) << quint32(0)
        << quint32(row * height) << qint32(2835) << qint32(2835) << quint32(2) << quint32(2)
        << quint32(0) << quint32(0x00ffffff);
    file.append(QByteArray(row * height, char(0xf0)));
    return file;
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
        const Expected<QImage> read = readSkinPicture(path);
        ASSERT_TRUE(read) << path.toStdString();
        EXPECT_EQ(read->convertToFormat(QImage::Format_RGB32), sample()) << path.toStdString();
        EXPECT_EQ(*read, QImage(path)) << path.toStdString();  // as Qt's own recognition gives it
    }
}

TEST(SkinPicture, WhatNoReaderTakesGivesANullPictureAndTheReason) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("broken.bmp"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("BM not a bitmap at all");
    file.close();
    const Expected<QImage> read = readSkinPicture(path);
    EXPECT_FALSE(read);
    EXPECT_FALSE(read.error().isEmpty());
    EXPECT_FALSE(readSkinPicture(folder.filePath(QStringLiteral("missing.bmp"))));
}

// What the header promises is weighed before a pixel is decoded: a short file
// declaring a huge picture is refused at once instead of being decoded whole.
TEST(SkinPicture, RefusesFilesShorterThanTheirRowsAndPicturesLargerThanAnyWindow) {
    QTemporaryDir folder;
    auto write = [&](const QString& name, const QByteArray& bytes) {
        const QString path = folder.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    };
    const QString declaresHuge = testData(QStringLiteral("autohide/declares_huge.bmp"));
    Expected<QImage> read = readSkinPicture(declaresHuge);
    EXPECT_FALSE(read);
    EXPECT_TRUE(read.error().contains(QStringLiteral("обрезан"))) << read.error().toStdString();

    const int side = skinpicture::kLargestSide;
    const QString widest = write(QStringLiteral("widest.bmp"), wholeBitmap(side, 1));
    read = readSkinPicture(widest);
    ASSERT_TRUE(read) << read.error().toStdString();
    EXPECT_EQ(read->size(), QSize(side, 1));
    for (const QSize size : {QSize(side + 1, 1), QSize(1, side + 1)}) {
        const QString path =
            write(QStringLiteral("wider.bmp"), wholeBitmap(size.width(), size.height()));
        read = readSkinPicture(path);
        EXPECT_FALSE(read);
        EXPECT_TRUE(read.error().contains(QString::number(side))) << read.error().toStdString();
    }

    // Cut by a byte beyond what writers may leave out of the last row.
    QByteArray whole = wholeBitmap(64, 8);
    const QString cut =
        write(QStringLiteral("cut.bmp"), whole.left(whole.size() - bitmap::kTolerance - 1));
    read = readSkinPicture(cut);
    EXPECT_FALSE(read);
    EXPECT_TRUE(read.error().contains(QStringLiteral("обрезан"))) << read.error().toStdString();
    const QString padless =
        write(QStringLiteral("padless.bmp"), whole.left(whole.size() - bitmap::kTolerance));
    read = readSkinPicture(padless);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->size(), QSize(64, 8));
}
