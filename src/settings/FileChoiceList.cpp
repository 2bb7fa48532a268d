#include "settings/FileChoiceList.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "texts/FileTexts.h"

FileChoiceList::FileChoiceList(QString extension) : extension_(std::move(extension)) {}

Expected<void> FileChoiceList::setFolder(const QString& folder) {
    if (read_ && folder == folder_) {
        return {};
    }
    read_ = false;
    names_.clear();
    folder_ = folder;
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isReadable()) {
        return Failure{filetexts::folderNotFound(QDir::toNativeSeparators(folder))};
    }
    // Files only: a folder called "x.lng" is not a language. Hidden files are
    // left out as the desktop's own file lists do.
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : entries) {
        const QString name = entry.fileName();
        if (name.size() > extension_.size() && name.endsWith(extension_, Qt::CaseInsensitive)) {
            names_ << name;
        }
    }
    // Case decides only between names that are otherwise equal, so the order
    // does not depend on how the file system returns them.
    std::sort(names_.begin(), names_.end(), [](const QString& a, const QString& b) {
        const int folded = QString::compare(a, b, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : QString::compare(a, b, Qt::CaseSensitive) < 0;
    });
    read_ = true;
    return {};
}

QStringList FileChoiceList::visibleNames() const {
    QStringList visible;
    visible.reserve(names_.size());
    for (const QString& name : names_) {
        visible << visibleName(name);
    }
    return visible;
}

QString FileChoiceList::visibleName(const QString& fileName) {
    return fileName.left(std::max<qsizetype>(0, fileName.size() - 4));
}
