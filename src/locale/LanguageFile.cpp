#include "locale/LanguageFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "settings/Cp1251.h"
#include "settings/PlainFile.h"
#include "texts/FileTexts.h"

namespace {

const QString kEnd = QStringLiteral("[end]");

// Lines that are only compared with a header or "[end]" are kept up to this
// many bytes; anything longer cannot equal either, so the rest is skipped
// instead of being held in memory.
constexpr qsizetype kProbe = 256;

// The file is read in pieces of at most this size (readLine keeps one byte of
// it for a terminator), so a line of any length streams through and a skipped
// line is never held whole.
constexpr qint64 kChunk = 64 * 1024;

// Line-by-line reading of a language file. A line ends at CR LF or at a lone
// LF; a CR elsewhere belongs to the text. Reading at the end of the file gives
// an empty line, as reading past the end of a text file always has.
class LineReader {
  public:
    // The pieces land in one buffer kept for the whole pass: asking the file
    // for a fresh piece-sized array at every line made a pass over many
    // short lines cost a large allocation per line.
    explicit LineReader(QFile& file) : file_(file), piece_(kChunk, Qt::Uninitialized) {}

    // The end is also reached when a read fails, so that a damaged medium
    // ends the pass instead of repeating the failing read forever.
    bool atEnd() const { return exhausted_ || file_.atEnd(); }

    struct Line {
        QByteArray bytes;
        bool cut = false;  // longer than the kept prefix
    };

    // The next line without its line end; with keep >= 0 only that many bytes
    // are kept.
    Line next(qsizetype keep = -1) {
        Line line;
        bool heldCr = false;  // a CR at a piece's end may begin the line end
        for (;;) {
            const qint64 got = file_.readLine(piece_.data(), kChunk);
            if (got <= 0) {
                exhausted_ = true;
                break;
            }
            QByteArrayView piece(piece_.constData(), got);
            const bool ends = piece.endsWith('\n');
            if (ends) {
                piece.chop(1);
                if (piece.isEmpty()) {
                    heldCr = false;  // the held CR was this line's end
                } else if (piece.endsWith('\r')) {
                    piece.chop(1);
                }
            }
            if (heldCr) {
                add(line, "\r", keep);
                heldCr = false;
            }
            if (!ends && piece.endsWith('\r')) {
                piece.chop(1);
                heldCr = true;
            }
            add(line, piece, keep);
            if (ends) {
                return line;
            }
        }
        if (heldCr) {
            add(line, "\r", keep);  // a CR at the very end is text
        }
        return line;
    }

  private:
    static void add(Line& line, QByteArrayView bytes, qsizetype keep) {
        if (keep < 0) {
            line.bytes += bytes;
            return;
        }
        const qsizetype room = keep - line.bytes.size();
        if (bytes.size() > room) {
            line.cut = true;
            line.bytes += bytes.first(room);
        } else {
            line.bytes += bytes;
        }
    }

    QFile& file_;
    QByteArray piece_;
    bool exhausted_ = false;
};

// Opens a language file, refusing what is not a plain file: a folder is not a
// language file, and a device or pipe could be read forever.
Expected<void> openForReading(QFile& file) {
    const QFileInfo info(file.fileName());
    QString why;
    if (!info.exists()) {
        why = filetexts::fileNotFound();
    } else if (why = plainfile::refusal(file.fileName()); !why.isEmpty()) {
        // a folder, device or pipe: told as such below
    } else if (!file.open(QIODevice::ReadOnly)) {
        why = file.errorString();
    } else {
        return {};
    }
    return Failure{
        filetexts::languageFileNotOpened(QDir::toNativeSeparators(file.fileName()), why)};
}

}  // namespace

LanguageFile::LanguageFile(QString path) : path_(std::move(path)) {}

Expected<void> LanguageFile::readSection(const QString& header, QStringList& texts) const {
    QFile file(path_);
    if (Expected<void> opened = openForReading(file); !opened) {
        return opened;
    }
    LineReader reader(file);
    bool inSection = false;
    do {
        // The line at a read step: a header (re)starts the section, "[end]"
        // inside it ends the pass; any other line inside it is dropped and the
        // next lines fill the slots again.
        const LineReader::Line probe = reader.next(kProbe);
        const QString text = probe.cut ? QString() : cp1251::decode(probe.bytes);
        if (!probe.cut && text == header) {
            inSection = true;
        } else if (!probe.cut && text == kEnd && inSection) {
            break;
        }
        if (inSection) {
            // The section's lines are taken as they come, without looking for
            // "[end]" among them; past the end of the file they are empty.
            for (QString& slot : texts) {
                slot = cp1251::decode(reader.next().bytes);
            }
        }
    } while (!reader.atEnd());
    return {};
}

Expected<void> LanguageFile::readTable(const QString& header, QStringList& texts, int first) const {
    QFile file(path_);
    if (Expected<void> opened = openForReading(file); !opened) {
        return opened;
    }
    LineReader reader(file);
    bool inSection = false;
    qsizetype next = first;
    while (!reader.atEnd()) {
        // Lines that will not be stored are only probed, so surplus lines of
        // a long section cost no memory.
        const bool stores = inSection && next >= 0 && next < texts.size();
        const LineReader::Line line = reader.next(stores ? -1 : kProbe);
        const QString text = line.cut ? QString() : cp1251::decode(line.bytes);
        if (!line.cut && text == header) {
            inSection = true;
            next = first;
        } else if (!line.cut && text == kEnd && inSection) {
            break;
        } else if (inSection) {
            if (stores) {
                texts[next] = text;
            }
            ++next;
        }
    }
    return {};
}

Expected<void> LanguageFile::readList(const QString& header, QStringList& lines) const {
    QFile file(path_);
    if (Expected<void> opened = openForReading(file); !opened) {
        return opened;
    }
    LineReader reader(file);
    bool inSection = false;
    while (!reader.atEnd()) {
        const LineReader::Line line = reader.next(inSection ? -1 : kProbe);
        const QString text = line.cut ? QString() : cp1251::decode(line.bytes);
        if (!line.cut && text == header) {
            inSection = true;
        } else if (!line.cut && text == kEnd && inSection) {
            break;
        } else if (inSection) {
            lines.append(text);
        }
    }
    return {};
}
