#include "settings/PlainFile.h"

#include <QFileInfo>

namespace plainfile {

QString refusal(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() || info.isFile()) {
        return QString();
    }
    if (info.isDir()) {
        return QStringLiteral("это папка");
    }
    return QStringLiteral("это не обычный файл");
}

}  // namespace plainfile
