#include "clockface/FileChangeWatch.h"

#include <QFileInfo>

FileChangeWatch::Stamp FileChangeWatch::stampOf(const QString& path) {
    const QFileInfo info(path);
    Stamp stamp;
    if (info.exists()) {
        stamp.exists = true;
        stamp.size = info.size();
        stamp.modified = info.lastModified().toUTC();
    }
    return stamp;
}

bool FileChangeWatch::needsReading(const QString& path) {
    return needsReading(path, QDateTime::currentDateTimeUtc());
}

bool FileChangeWatch::needsReading(const QString& path, const QDateTime& wallClock) {
    const Stamp now = stampOf(path);
    if (known_ && settled_ && path == path_ && now == stamp_) {
        return false;
    }
    known_ = true;
    path_ = path;
    stamp_ = now;
    settled_ = !now.exists || now.modified.msecsTo(wallClock) > kSettleMs;
    return true;
}
