#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// The skin's face bitmap as the clock draws it: read, refused when cut short,
// cut to the control and converted for drawing. Kept apart from the face
// control so that any file can be put through it without a window.
struct FaceBitmap {
    QImage image;   // null when the file cannot be used
    QString fault;  // why, for the user
};

// `fileSize` is the size the file had when it was found changed; `crop` is
// the control's size, or invalid while it has none. On a screen of more than
// one device pixel to a logical one the picture comes from its sharp
// companion where the skin has one; its logical size is the file's.
FaceBitmap loadFaceBitmap(const QString& path, qint64 fileSize, QSize crop,
                          qreal devicePixelRatio = 1);
