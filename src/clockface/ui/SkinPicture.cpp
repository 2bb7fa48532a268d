#include "clockface/ui/SkinPicture.h"

#include <QCoreApplication>
#include <QFile>
#include <QImageReader>

#include "clockface/BitmapExtent.h"

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("ClockFace", text);
}

QString truncation(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QString();  // the reader tells why
    }
    const qint64 needed = bitmap::neededSize(file.read(bitmap::kHeadSize));
    if (needed > file.size() + bitmap::kTolerance) {
        return tr("файл обрезан (%1 из %2 байт)").arg(file.size()).arg(needed);
    }
    return QString();
}

QString oversize(QImageReader& reader) {
    const QSize declared = reader.size();
    if (declared.width() > skinpicture::kLargestSide ||
        declared.height() > skinpicture::kLargestSide) {
        return tr("рисунок %1×%2 больше наибольшего окна, %3 точек в сторону")
            .arg(declared.width())
            .arg(declared.height())
            .arg(skinpicture::kLargestSide);
    }
    return QString();
}

}  // namespace

QImage readSkinPicture(const QString& path, QString* error) {
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
    if (error) {
        *error = refused;
    }
    return image;
}
