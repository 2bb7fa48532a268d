#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

// Readers that take a path get each input as a file in one folder kept for
// the whole run ($TMPDIR when set, so fuzz/run.sh keeps it in its scratch
// folder).
namespace fuzzinput {

inline const QTemporaryDir& folder() {
    static const QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/chronidex-fuzz-XXXXXX"));
    if (!dir.isValid()) {
        std::abort();  // nothing could be fuzzed; better to stop than to pass
    }
    return dir;
}

inline QByteArray bytes(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

// Writes the input under `relative` (sub-folders made as needed); returns the path.
inline QString write(const QString& relative, const uint8_t* data, size_t size) {
    const QString path = folder().filePath(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size)) {
        std::abort();
    }
    return path;
}

// A broken promise of a reader: crash, so libFuzzer keeps the input.
inline void require(bool holds) {
    if (!holds) {
        std::abort();
    }
}

}  // namespace fuzzinput
