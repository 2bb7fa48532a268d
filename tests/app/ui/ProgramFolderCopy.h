#pragma once

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include "TempFolder.h"

// Fills a temporary program folder with the supplied one, as run.sh lays it out.
inline void copySuppliedFolder(const TempFolder& folder) {
    const QString tree = QStringLiteral(CHRONIDEX_DATA_TREE);
    QDirIterator files(tree, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString from = files.next();
        const QString to = folder.path(from.mid(tree.size() + 1));
        QDir().mkpath(QFileInfo(to).path());
        QFile::copy(from, to);
    }
}
