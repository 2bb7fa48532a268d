#include "clockface/ui/SkinPicture.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include "clockface/BitmapExtent.h"
#include "texts/SkinTexts.h"

namespace {

QString truncation(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QString();  // the reader tells why
    }
    const qint64 needed = bitmap::neededSize(file.read(bitmap::kHeadSize));
    if (needed > file.size() + bitmap::kTolerance) {
        return skintexts::pictureTruncated(file.size(), needed);
    }
    return QString();
}

QString oversize(QImageReader& reader) {
    const QSize declared = reader.size();
    if (declared.width() > skinpicture::kLargestSide ||
        declared.height() > skinpicture::kLargestSide) {
        return skintexts::pictureTooLarge(declared.width(), declared.height(),
                                          skinpicture::kLargestSide);
    }
    return QString();
}

}  // namespace

Expected<QImage> readSkinPicture(const QString& path) {
    QImage image;
    QString refused = truncation(path);
    if (refused.isEmpty()) {
        QImageReader bitmap(path, "bmp");
        bitmap.setAutoDetectImageFormat(false);
        refused = oversize(bitmap);
        if (refused.isEmpty()) {
            image = bitmap.read();
        }
    }
    if (image.isNull() && refused.isEmpty()) {
        QImageReader any(path);
        refused = oversize(any);
        if (refused.isEmpty()) {
            image = any.read();
            refused = image.isNull() ? any.errorString() : QString();
        }
    }
    if (image.isNull()) {
        return Failure{refused};
    }
    return image;
}

namespace skinpicture {

QString sharpCompanion(const QString& path) {
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    const int end = dot > slash ? dot : int(path.size());
    return path.left(end) + QStringLiteral("@2x") + path.mid(end);
}

QImage sharpestFor(const QImage& picture, const QString& path, qreal devicePixelRatio) {
    if (devicePixelRatio <= 1 || picture.isNull() || path.isEmpty()) {
        return picture;
    }
    const QString companion = sharpCompanion(path);
    // Only a regular file: the image reader would wait on a pipe for ever.
    if (!QFileInfo(companion).isFile()) {
        return picture;
    }
    const Expected<QImage> read = readSkinPicture(companion);
    if (!read || read->size() != picture.size() * 2) {
        return picture;
    }
    QImage sharp = read->convertToFormat(picture.format());
    sharp.setDevicePixelRatio(2);
    return sharp;
}

}  // namespace skinpicture
