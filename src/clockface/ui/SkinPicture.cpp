#include "clockface/ui/SkinPicture.h"

#include <QImageReader>

QImage readSkinPicture(const QString& path, QString* error) {
    QImageReader bitmap(path, "bmp");
    bitmap.setAutoDetectImageFormat(false);
    QImage image = bitmap.read();
    if (image.isNull()) {
        QImageReader any(path);
        image = any.read();
        if (error) {
            *error = any.errorString();
        }
    }
    return image;
}
