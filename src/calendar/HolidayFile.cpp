#include "calendar/HolidayFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "settings/Cp1251.h"
#include "settings/FormatNames.h"
#include "settings/PlainFile.h"
#include "settings/ProgramFolder.h"
#include "settings/SafeWrite.h"
#include "texts/CalendarTexts.h"
#include "texts/FileTexts.h"

namespace holidays {

namespace {

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// One line without its line end: CR LF, or a lone LF as other editors write.
QByteArray withoutLineEnd(QByteArray line) {
    if (line.endsWith('\n')) {
        line.chop(1);
        if (line.endsWith('\r')) {
            line.chop(1);
        }
    }
    return line;
}

}  // namespace

QString pathFor(const ProgramFolder& folder, int month) {
    // Only the twelve month files exist; any other number must not lead to
    // a stray file beside them.
    if (month < 1 || month > 12) {
        return QString();
    }
    return folder.path(formatnames::holidayFile().arg(month));
}

Expected<QStringList> read(const QString& path) {
    QFile file(path);
    const QFileInfo info(path);
    QString why;
    if (path.isEmpty()) {
        why = calendartexts::noHolidayFile();
    } else if (!info.exists()) {
        why = filetexts::fileNotFound();
    } else if (why = plainfile::refusal(path); why.isEmpty() && !file.open(QIODevice::ReadOnly)) {
        why = file.errorString();  // a folder, device or pipe was refused above
    }
    if (!why.isEmpty()) {
        return Failure{calendartexts::holidayFileNotOpened(shown(path), why)};
    }
    QStringList lines;
    // The end test follows each read, so even a zero-byte file gives one
    // (empty) line, and a last line without a line end counts like any other.
    do {
        const QByteArray line = file.readLine();
        lines.append(cp1251::decode(withoutLineEnd(line)));
        if (line.isEmpty()) {
            break;  // end of file, or a failing read that would repeat forever
        }
    } while (!file.atEnd());
    return lines;
}

Expected<void> write(const QString& path, const QStringList& entries) {
    const auto cannotSave = [&](const QString& why) {
        return Failure{calendartexts::holidayFileNotSaved(shown(path), why)};
    };
    if (path.isEmpty()) {
        return cannotSave(calendartexts::noHolidayFile());
    }
    // The program never creates the holiday folder; saying so beats the bare
    // "no such file" of a failed create.
    const QFileInfo info(path);
    if (!info.absoluteDir().exists()) {
        return cannotSave(calendartexts::noFolder(shown(info.absolutePath())));
    }
    QByteArray content;
    for (const QString& entry : entries) {
        // A line break inside an entry would split it into two on the next
        // read; refusing keeps the list as the user sees it.
        if (entry.contains(QLatin1Char('\n')) || entry.contains(QLatin1Char('\r'))) {
            return cannotSave(calendartexts::lineBreakInEntry());
        }
        content += cp1251::encode(entry);
        content += "\r\n";
    }
    if (const Expected<void> done = safewrite::replaceFile(path, content); !done) {
        return cannotSave(done.error());
    }
    return {};
}

}  // namespace holidays
