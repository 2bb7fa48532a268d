#pragma once

#include <QString>

// What the clock says of a skin it cannot use: the message, and the reason
// for each of its files.
namespace skintexts {

QString unusable(const QString& file, const QString& why);
// The message's last line.
QString plainFaceMeanwhile();

QString fileMissing();
QString fileUnreadable(const QString& why);
QString notAFileName();
QString lineMissing(int line);
QString notAnInteger(int line);
QString colourOutOfRange(int line);
QString pictureTruncated(qint64 size, qint64 needed);
QString pictureTooLarge(int width, int height, int largestSide);
QString pictureUnreadable(const QString& why);

}  // namespace skintexts
