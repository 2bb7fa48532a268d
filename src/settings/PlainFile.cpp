#include "settings/PlainFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace plainfile {

namespace {

// As far as the kernel itself follows links before it gives up.
constexpr int kMaxLinks = 40;

const QString kFolder = QStringLiteral("это папка");
const QString kNotRegular = QStringLiteral("это не обычный файл");

}  // namespace

QString refusal(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() || info.isFile()) {
        return QString();
    }
    if (info.isDir()) {
        return kFolder;
    }
    return kNotRegular;
}

QString linkEnd(const QString& path) {
    // readlink(2) on the names as given: the kernel's own reading of "..",
    // which a cleaned-up path would change when a folder on the way is a link.
    QByteArray current = QFile::encodeName(QDir::current().absoluteFilePath(path));
    for (int hop = 0; hop < kMaxLinks; ++hop) {
        char target[PATH_MAX];
        const ssize_t n = ::readlink(current.constData(), target, sizeof target);
        if (n < 0 || n == ssize_t(sizeof target)) {
            break;  // no link (or nothing at all) under the name
        }
        const QByteArray next(target, n);
        current = next.startsWith('/') ? next : current.left(current.lastIndexOf('/') + 1) + next;
    }
    return QFile::decodeName(current);
}

}  // namespace plainfile
