#include "scheduler/RepeatFile.h"

#include <fcntl.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "scheduler/ReminderRecord.h"
#include "scheduler/ScheduleFiles.h"
#include "settings/FolderLock.h"
#include "settings/FormatNames.h"
#include "settings/PlainFile.h"
#include "settings/ProgramFolder.h"
#include "settings/SafeWrite.h"
#include "texts/ScheduleTexts.h"

namespace {

// Far beyond kMaxEntries lines of the longest text: a foreign file of any
// size is read no further.
constexpr qint64 kMaxBytes = 64 << 20;

QByteArray escaped(const QByteArray& bytes) {
    QByteArray out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (byte < 32) {
            out += "\\x" + QByteArray::number(byte, 16).rightJustified(2, '0');
        } else {
            out += c;
        }
    }
    return out;
}

std::optional<QByteArray> unescaped(QByteArrayView field) {
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char c = field[i];
        if (static_cast<unsigned char>(c) < 32) {
            return std::nullopt;  // written escaped, always
        }
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i >= field.size()) {
            return std::nullopt;
        }
        switch (field[i]) {
            case '\\':
                out += '\\';
                break;
            case 't':
                out += '\t';
                break;
            case 'r':
                out += '\r';
                break;
            case 'n':
                out += '\n';
                break;
            case 'x': {
                bool ok = false;
                const int byte = field.sliced(i + 1, qMin<qsizetype>(2, field.size() - i - 1))
                                     .toByteArray()
                                     .toInt(&ok, 16);
                if (!ok || i + 2 >= field.size()) {
                    return std::nullopt;
                }
                out += char(byte);
                i += 2;
                break;
            }
            default:
                return std::nullopt;
        }
    }
    return out;
}

QDate isoDay(QByteArrayView field) {
    if (field.size() != 10) {
        return {};
    }
    return QDate::fromString(QString::fromLatin1(field), Qt::ISODate);
}

std::optional<RepeatEntry> parseLine(QByteArrayView line) {
    const QList<QByteArray> fields = line.toByteArray().split('\t');
    if (fields.size() != 6) {
        return std::nullopt;
    }
    RepeatEntry entry;
    const std::optional<RepeatRule> rule = repeatrule::fromKeyword(QString::fromLatin1(fields[0]));
    const std::optional<QByteArray> time = unescaped(fields[4]);
    const std::optional<QByteArray> text = unescaped(fields[5]);
    if (!rule || !time || !text) {
        return std::nullopt;
    }
    entry.rule = *rule;
    entry.anchor = isoDay(fields[1]);
    entry.day = isoDay(fields[2]);
    entry.then = fields[3] == "-" ? QDate() : isoDay(fields[3]);
    entry.time = *time;
    entry.text = *text;
    if (!entry.anchor.isValid() || !entry.day.isValid() ||
        (fields[3] != "-" && !entry.then.isValid()) || entry.minute() < 0 ||
        entry.text.size() > ReminderRecord::kTextCapacity) {
        return std::nullopt;
    }
    return entry;
}

}  // namespace

RepeatFile::RepeatFile(const ProgramFolder& folder)
    : path_(folder.path(formatnames::repeatRuleFile())) {}

QByteArray RepeatFile::text(const QList<RepeatEntry>& entries) {
    QByteArray out = QByteArray(kHeader) + "\r\n";
    for (const RepeatEntry& entry : entries) {
        out += repeatrule::keyword(entry.rule).toLatin1() + '\t' +
               entry.anchor.toString(Qt::ISODate).toLatin1() + '\t' +
               entry.day.toString(Qt::ISODate).toLatin1() + '\t' +
               (entry.then.isValid() ? entry.then.toString(Qt::ISODate).toLatin1() : "-") + '\t' +
               escaped(entry.time) + '\t' + escaped(entry.text) + "\r\n";
    }
    return out;
}

RepeatFile::Read RepeatFile::parse(const QByteArray& bytes) {
    Read read;
    qsizetype at = 0;
    bool first = true;
    while (at < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', at);
        if (end < 0) {
            end = bytes.size();
        }
        QByteArrayView line(bytes.constData() + at, end - at);
        at = end + 1;
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        if (first) {
            first = false;
            if (line != QByteArrayView(kHeader)) {
                ++read.unreadable;
                return read;  // another file, or this one's beginning lost
            }
            continue;
        }
        if (line.isEmpty()) {
            continue;
        }
        if (read.entries.size() >= ScheduleFiles::kMaxEntries) {
            ++read.unreadable;
            continue;
        }
        if (const std::optional<RepeatEntry> entry = parseLine(line)) {
            read.entries.append(*entry);
        } else {
            ++read.unreadable;
        }
    }
    if (first) {
        ++read.unreadable;  // an empty file: not even the first line
    }
    return read;
}

RepeatFile::Read RepeatFile::read() const {
    Read read;
    const QFileInfo info(path_);
    if (!info.exists() && !info.isSymLink()) {
        read.missing = true;
        return read;
    }
    const Expected<int> fd = plainfile::openRegular(plainfile::linkEnd(path_), O_RDONLY);
    if (!fd) {
        read.failure = fd.error();
        return read;
    }
    QFile file;
    file.open(*fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    const QByteArray bytes = file.read(kMaxBytes);
    if (file.error() != QFileDevice::NoError) {
        read.failure = file.errorString();
        return read;
    }
    Read parsed = parse(bytes);
    if (!file.atEnd()) {
        ++parsed.unreadable;  // larger than any rule file
    }
    return parsed;
}

RepeatFile::Update RepeatFile::update(
    const std::function<void(QList<RepeatEntry>&)>& change) const {
    Update result;
    const FolderLock lock(QFileInfo(path_).absolutePath());
    if (!lock.held()) {
        result.written = Failure{scheduletexts::rulesBusy(QDir::toNativeSeparators(path_))};
        return result;
    }
    result.before = read();
    if (!result.before.failure.isEmpty()) {
        // A file that cannot be read is not replaced: it may read again once
        // its cause (its permissions, a folder under its name) is gone.
        result.written = Failure{
            scheduletexts::rulesNotRead(QDir::toNativeSeparators(path_), result.before.failure)};
        return result;
    }
    QList<RepeatEntry> entries = result.before.entries;
    change(entries);
    if (entries == result.before.entries && !result.before.damaged()) {
        return result;
    }
    if (entries.size() > ScheduleFiles::kMaxEntries) {
        result.written = Failure{
            scheduletexts::rulesFull(QDir::toNativeSeparators(path_), ScheduleFiles::kMaxEntries)};
        return result;
    }
    if (result.before.missing && !QFileInfo(path_).isSymLink()) {
        QDir().mkpath(QFileInfo(path_).absolutePath());
    }
    if (const Expected<void> done = safewrite::replaceFile(path_, text(entries)); !done) {
        result.written =
            Failure{scheduletexts::rulesNotWritten(QDir::toNativeSeparators(path_), done.error())};
    }
    return result;
}
