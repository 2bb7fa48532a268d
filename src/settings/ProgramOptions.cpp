#include "settings/ProgramOptions.h"

#include <QFile>

#include "settings/SafeWrite.h"
#include "texts/FileTexts.h"

namespace {
const QByteArray kHeader = QByteArrayLiteral("[options]");
const QByteArray kDesktopNotifications = QByteArrayLiteral("desktopNotifications");
// Far more than the file ever holds; anything larger is no file of ours.
constexpr qint64 kLargest = 64 * 1024;
}  // namespace

ProgramOptions ProgramOptions::read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargest) {
        return {};
    }
    const QByteArray content = file.read(kLargest + 1);
    if (file.error() != QFileDevice::NoError || content.size() > kLargest) {
        return {};
    }
    return parse(content);
}

ProgramOptions ProgramOptions::parse(const QByteArray& content) {
    ProgramOptions options;
    if (content.contains('\0')) {
        return options;  // a binary file under our name
    }
    for (const QByteArray& raw : content.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.isEmpty() || line == kHeader) {
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (equals > 0 && line.left(equals).trimmed() == kDesktopNotifications) {
            const QByteArray value = line.mid(equals + 1).trimmed();
            if (value == "1") {
                options.desktopNotifications_ = true;
            } else if (value == "0") {
                options.desktopNotifications_ = false;
            }
            continue;
        }
        options.otherLines_.append(line);
    }
    return options;
}

QByteArray ProgramOptions::serialise() const {
    QByteArray out = kHeader + '\n';
    out += kDesktopNotifications + '=' + (desktopNotifications_ ? '1' : '0') + '\n';
    for (const QByteArray& line : otherLines_) {
        out += line + '\n';
    }
    return out;
}

Expected<void> ProgramOptions::write(const QString& path) const {
    if (const Expected<void> done = safewrite::replaceFile(path, serialise()); !done) {
        return Failure{filetexts::notSaved(path, done.error())};
    }
    return {};
}
