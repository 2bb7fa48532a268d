#include <gtest/gtest.h>

#include <QFile>
#include <QRandomGenerator>

#include "TempFolder.h"
#include "desktop/ui/AboutBox.h"
#include "desktop/ui/JpegDecoder.h"

namespace {

QByteArray fixture(const char* name) {
    QFile file(testData(QStringLiteral("desktop/") + QString::fromLatin1(name)));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

QByteArray aboutBytes() {
    AboutBox::aboutPicture();  // registers the resource
    QFile file(QStringLiteral(":/desktop/about.jpg"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

bool near(QRgb pixel, int r, int g, int b) {
    return qAbs(qRed(pixel) - r) < 24 && qAbs(qGreen(pixel) - g) < 24 &&
           qAbs(qBlue(pixel) - b) < 24;
}

}  // namespace

TEST(JpegDecoder, DecodesTheAboutPicture) {
    const QImage image = JpegDecoder::decode(aboutBytes());
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(99, 91));
    EXPECT_TRUE(near(image.pixel(1, 1), 236, 233, 216)) << "background";
    EXPECT_TRUE(near(image.pixel(49, 45 + 40), 40, 70, 140)) << "rim";
    EXPECT_TRUE(near(image.pixel(60, 70), 255, 252, 240)) << "face";
}

TEST(JpegDecoder, DamagedDataGivesAnEmptyImage) {
    for (const char* name : {"empty.jpg", "truncated.jpg", "header_only.jpg", "random.jpg",
                             "noise_after_soi.jpg", "huge_frame.jpg", "scribbled.jpg"}) {
        EXPECT_TRUE(JpegDecoder::decode(fixture(name)).isNull()) << name;
    }
    EXPECT_TRUE(JpegDecoder::decode(QByteArray()).isNull());
    EXPECT_TRUE(JpegDecoder::decode(QByteArray("\xff\xd8", 2)).isNull());
}

TEST(JpegDecoder, EveryCutOfThePictureIsRefused) {
    const QByteArray whole = aboutBytes();
    for (qsizetype size = 0; size < whole.size(); ++size) {
        ASSERT_TRUE(JpegDecoder::decode(whole.left(size)).isNull()) << size;
    }
}

TEST(JpegDecoder, ScribbledBytesNeverCrash) {
    const QByteArray whole = aboutBytes();
    QRandomGenerator random(1251);
    for (int round = 0; round < 400; ++round) {
        QByteArray damaged = whole;
        const int hits = 1 + int(random.bounded(8));
        for (int i = 0; i < hits; ++i) {
            damaged[random.bounded(int(damaged.size()))] = char(random.bounded(256));
        }
        const QImage image = JpegDecoder::decode(damaged);
        if (!image.isNull()) {
            EXPECT_LE(image.width(), JpegDecoder::kMaxSide);
            EXPECT_LE(image.height(), JpegDecoder::kMaxSide);
        }
    }
}
