#include "settings/PlainFile.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace plainfile {

QString refusal(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() || info.isFile()) {
        return QString();
    }
    if (info.isDir()) {
        return QCoreApplication::translate("PlainFile", "это папка");
    }
    return QCoreApplication::translate("PlainFile", "это не обычный файл");
}

}  // namespace plainfile
