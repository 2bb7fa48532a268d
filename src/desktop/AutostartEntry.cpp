#include "desktop/AutostartEntry.h"

#include "settings/SafeWrite.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString cleanFolder(const QString& folder) {
    return folder.isEmpty() ? QString() : QDir::cleanPath(folder);
}

}  // namespace

AutostartEntry::AutostartEntry(QString startupFolder, QString programFolder, QString executable)
    : startupFolder_(cleanFolder(startupFolder)),
      programFolder_(cleanFolder(programFolder)),
      executable_(cleanFolder(executable)) {}

QString AutostartEntry::path() const {
    if (startupFolder_.isEmpty()) {
        return QString();
    }
    return startupFolder_ + QLatin1Char('/') + QLatin1String(kFileName);
}

bool AutostartEntry::exists() const {
    if (startupFolder_.isEmpty()) {
        return false;
    }
    const QFileInfo info(path());
    return info.exists() || info.isSymLink();
}

bool AutostartEntry::create() const {
    if (startupFolder_.isEmpty() || programFolder_.isEmpty() || executable_.isEmpty() ||
        !canCarry(programFolder_) || !canCarry(executable_) || exists()) {
        return false;
    }
    if (!QDir().mkpath(startupFolder_)) {
        return false;
    }
    return safewrite::replaceFile(path(), text(programFolder_, executable_).toUtf8()).ok();
}

bool AutostartEntry::remove() const {
    if (startupFolder_.isEmpty()) {
        return false;
    }
    QFile::remove(path());
    return !exists();
}

QString AutostartEntry::text(const QString& programFolder, const QString& executable) {
    const QString folder = QDir::cleanPath(programFolder);
    return QStringLiteral(
               "[Desktop Entry]\n"
               "Type=Application\n"
               "Name=Chronidex\n"
               "Exec=") +
           execArgument(QDir::cleanPath(executable)) + QStringLiteral("\nPath=") +
           stringValue(folder) +
           QStringLiteral(
               "\n"
               "X-GNOME-Autostart-enabled=true\n");
}

QString AutostartEntry::execArgument(const QString& argument) {
    // The reserved characters of the Exec key; '=' is added because the
    // program's path may not carry it unquoted.
    static const QString reserved = QStringLiteral(" \t\n\r\"'\\><~|&;$*?#()`=");
    bool quote = argument.isEmpty();
    for (const QChar c : argument) {
        if (reserved.contains(c)) {
            quote = true;
            break;
        }
    }
    QString out;
    if (quote) {
        out += QLatin1Char('"');
    }
    for (const QChar c : argument) {
        if (quote && (c == u'"' || c == u'`' || c == u'$' || c == u'\\')) {
            out += QLatin1Char('\\');
        }
        if (c == u'%') {
            out += QLatin1Char('%');
        }
        out += c;
    }
    if (quote) {
        out += QLatin1Char('"');
    }
    // The string escapes are undone before the quoting, so they go on last.
    return stringValue(out);
}

QString AutostartEntry::stringValue(const QString& value) {
    QString out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c == u'\\') {
            out += QStringLiteral("\\\\");
        } else if (c == u'\n') {
            out += QStringLiteral("\\n");
        } else if (c == u'\t') {
            out += QStringLiteral("\\t");
        } else if (c == u'\r') {
            out += QStringLiteral("\\r");
        } else if (c == u' ' && i == 0) {
            out += QStringLiteral("\\s");
        } else {
            out += c;
        }
    }
    return out;
}

bool AutostartEntry::canCarry(const QString& path) {
    for (const QChar c : path) {
        const bool escaped = c == u'\t' || c == u'\n' || c == u'\r';
        if ((c.unicode() < 0x20 && !escaped) || c.unicode() == 0x7F) {
            return false;
        }
    }
    return true;
}
