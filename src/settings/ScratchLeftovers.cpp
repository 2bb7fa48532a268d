#include "settings/ScratchLeftovers.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace scratchleftovers {

namespace {

// "<target>.XXXXXX", the six X ASCII letters: QTemporaryFile's pattern, which
// ScratchWriter's names beside a target follow.
constexpr int kRandomLength = 6;

bool isAsciiLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// A link under a scratch name goes too: no save makes one, and the link is
// removed itself, never what it points to.
bool removeScratch(const QString& path, QStringList& removed) {
    const QFileInfo info(path);
    if (!info.isSymLink() && !info.isFile()) {
        return false;
    }
    if (::unlink(QFile::encodeName(path).constData()) == 0) {
        removed << path;
        return true;
    }
    return false;
}

}  // namespace

bool isScratchOf(const QString& name, const QString& target) {
    if (target.isEmpty() || name.size() != target.size() + 1 + kRandomLength ||
        !name.startsWith(target) || name[target.size()] != u'.') {
        return false;
    }
    for (qsizetype i = target.size() + 1; i < name.size(); ++i) {
        if (!isAsciiLetter(name[i])) {
            return false;
        }
    }
    return true;
}

QStringList remove(const QStringList& targets, const QStringList& fixedScratch) {
    QStringList removed;
    for (const QString& target : targets) {
        const QFileInfo info(target);
        const QDir folder = info.dir();
        const QString base = info.fileName();
        const QStringList candidates = folder.entryList({base + QStringLiteral(".*")},
                                                        QDir::Files | QDir::Hidden | QDir::System);
        for (const QString& name : candidates) {
            if (isScratchOf(name, base)) {
                removeScratch(folder.filePath(name), removed);
            }
        }
    }
    for (const QString& path : fixedScratch) {
        removeScratch(path, removed);
    }
    return removed;
}

}  // namespace scratchleftovers
