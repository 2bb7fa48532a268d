#pragma once

#include <QImage>
#include <QString>

// Reads a skin's picture. Skins are Windows bitmaps, and Qt reads those
// itself; only a file that is not one goes to Qt's recognition of its
// contents, which loads every image format plugin, and each plugin loaded
// stays in memory for the whole run. `error` gets the reason of a null image.
QImage readSkinPicture(const QString& path, QString* error = nullptr);
