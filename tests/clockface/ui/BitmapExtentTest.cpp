#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QtEndian>
#include <limits>

#include "TempFolder.h"
#include "clockface/BitmapExtent.h"

namespace {

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray written(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

}  // namespace

TEST(BitmapExtent, WholeFilesHoldEveryRowTheyPromise) {
    const QDir skins(QStringLiteral(CHRONIDEX_DATA_TREE "/skins"));
    const QStringList pictures = skins.entryList({QStringLiteral("*.bmp")});
    ASSERT_FALSE(pictures.isEmpty());
    for (const QString& name : pictures) {
        SCOPED_TRACE(name.toStdString());
        const QByteArray bytes = fileBytes(skins.filePath(name));
        EXPECT_EQ(bitmap::neededSize(bytes), bytes.size());
    }
    for (QImage::Format format : {QImage::Format_RGB32, QImage::Format_RGB888,
                                  QImage::Format_Indexed8, QImage::Format_Mono}) {
        QImage image(37, 11, format);
        image.fill(0);
        const QByteArray bytes = written(image);
        EXPECT_LE(bitmap::neededSize(bytes), bytes.size());
        EXPECT_GT(bitmap::neededSize(bytes), bytes.size() - 4 * 37);
    }
}

TEST(BitmapExtent, TellsACutOffFile) {
    const QByteArray bytes = fileBytes(testData(QStringLiteral("clockface/truncated.bmp")));
    EXPECT_EQ(bitmap::neededSize(bytes), 54 + 568 * 189);
    EXPECT_GT(bitmap::neededSize(bytes), bytes.size());

    // A top-down bitmap counts its rows the same.
    QByteArray topDown = bytes;
    qToLittleEndian<qint32>(-189, topDown.data() + 22);
    EXPECT_EQ(bitmap::neededSize(topDown), 54 + 568 * 189);

    // The old core header: 16-bit sizes at other places.
    QByteArray core(26, '\0');
    core[0] = 'B';
    core[1] = 'M';
    qToLittleEndian<quint32>(26, core.data() + 10);
    qToLittleEndian<quint32>(12, core.data() + 14);
    qToLittleEndian<quint16>(10, core.data() + 18);
    qToLittleEndian<quint16>(3, core.data() + 20);
    qToLittleEndian<quint16>(24, core.data() + 24);
    EXPECT_EQ(bitmap::neededSize(core), 26 + 32 * 3);
}

TEST(BitmapExtent, LeavesWhatItCannotKnowToTheReader) {
    const QByteArray bytes = fileBytes(testData(QStringLiteral("clockface/truncated.bmp")));
    QByteArray compressed = bytes;
    qToLittleEndian<quint32>(1, compressed.data() + 30);  // run-length rows
    EXPECT_EQ(bitmap::neededSize(compressed), -1);
    EXPECT_EQ(bitmap::neededSize(bytes.first(25)), -1);
    EXPECT_EQ(bitmap::neededSize(bytes.first(30)), -1);
    EXPECT_EQ(bitmap::neededSize(QByteArray("This is not a picture at all.")), -1);
    EXPECT_EQ(bitmap::neededSize(QByteArray()), -1);

    // Sizes beyond any file do not overflow.
    QByteArray huge = bytes;
    qToLittleEndian<qint32>(std::numeric_limits<qint32>::max(), huge.data() + 18);
    qToLittleEndian<qint32>(std::numeric_limits<qint32>::min(), huge.data() + 22);
    qToLittleEndian<quint16>(0xFFFF, huge.data() + 28);
    EXPECT_GT(bitmap::neededSize(huge), qint64(1) << 40);
}
