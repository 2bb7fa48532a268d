#include "clockface/ui/FaceBitmap.h"

#include <QFile>
#include <QRect>

#include "clockface/BitmapExtent.h"
#include "clockface/ui/SkinPicture.h"
#include "settings/PlainFile.h"
#include "texts/SkinTexts.h"

namespace {

qint64 neededBitmapSize(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    return bitmap::neededSize(file.read(bitmap::kHeadSize));
}

}  // namespace

FaceBitmap loadFaceBitmap(const QString& path, qint64 fileSize, QSize crop,
                          qreal devicePixelRatio) {
    FaceBitmap result;
    // The reader would wait on a pipe for ever.
    const QString refusal = plainfile::refusal(path);
    if (!refusal.isEmpty()) {
        result.fault = skintexts::pictureUnreadable(refusal);
        return result;
    }
    // Told apart before decoding: the reader would fill the missing rows.
    const qint64 needed = neededBitmapSize(path);
    if (needed > fileSize + bitmap::kTolerance) {
        result.fault = skintexts::pictureTruncated(fileSize, needed);
        return result;
    }
    const Expected<QImage> read = readSkinPicture(path);
    if (!read) {
        result.fault = skintexts::pictureUnreadable(read.error());
        return result;
    }
    QImage image = *read;
    const QSize logical = image.size();
    image = skinpicture::sharpestFor(image, path, devicePixelRatio);
    // What lies beyond the control is never seen; the hands are drawn in the
    // picture's own coordinates, so cutting it off changes no visible pixel.
    if (crop.isValid() && (logical.width() > crop.width() || logical.height() > crop.height())) {
        const qreal scale = image.devicePixelRatio();
        image = image.copy(QRect(QPoint(0, 0), crop.boundedTo(logical) * scale));
        image.setDevicePixelRatio(scale);
    }
    result.image = image.convertToFormat(
        image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    return result;
}
