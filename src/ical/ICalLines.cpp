#include "ical/ICalLines.h"

#include <QByteArrayView>
#include <QList>
#include <algorithm>

namespace calendarlines {

namespace {

// Calls `take(begin, end)` for each content line, [begin, end) of the text
// with its folds and without its last line break, until it returns false.
template <typename Take>
void eachLine(const QByteArray& text, Take take) {
    for (qsizetype begin = 0; begin < text.size();) {
        qsizetype end = text.indexOf('\n', begin);
        while (end >= 0 && end + 1 < text.size() &&
               (text.at(end + 1) == ' ' || text.at(end + 1) == '\t')) {
            end = text.indexOf('\n', end + 1);
        }
        end = end < 0 ? text.size() : end;
        if (!take(begin, end)) {
            return;
        }
        begin = end + 1;
    }
}

// The line unfolded, at most `most` bytes of it (all of it when negative).
QByteArray unfolded(QByteArrayView line, qsizetype most = -1) {
    QByteArray out;
    for (qsizetype i = 0; i < line.size() && (most < 0 || out.size() < most); ++i) {
        const char c = line.at(i);
        if (c == '\r' && (i + 1 == line.size() || line.at(i + 1) == '\n')) {
            continue;
        }
        if (c == '\n') {
            ++i;  // the space or tab that folds the line
            continue;
        }
        out += c;
    }
    return out;
}

QByteArray nameOf(const QByteArray& line) {
    const qsizetype end = std::min(line.indexOf(':') < 0 ? line.size() : line.indexOf(':'),
                                   line.indexOf(';') < 0 ? line.size() : line.indexOf(';'));
    return end < line.size() ? line.left(end) : QByteArray();
}

bool namedAny(const QByteArray& name, std::initializer_list<const char*> names) {
    return std::any_of(names.begin(), names.end(), [&](const char* wanted) {
        return name.compare(wanted, Qt::CaseInsensitive) == 0;
    });
}

// Where the value begins: after the first ':' outside a quoted parameter.
qsizetype valueStart(const QByteArray& line) {
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line.at(i) == '"') {
            quoted = !quoted;
        } else if (line.at(i) == ':' && !quoted) {
            return i + 1;
        }
    }
    return -1;
}

bool tooManyValues(QByteArrayView line) {
    return line.count(',') >= kValuesLibicalReads &&
           namedAny(nameOf(unfolded(line, 16)), {"RDATE", "EXDATE"});
}

// The line as lines of as many values as libical reads, with its name and
// parameters each.
QByteArray split(QByteArrayView folded) {
    const QByteArray line = unfolded(folded);
    const qsizetype start = valueStart(line);
    if (start < 0) {
        return folded.toByteArray();
    }
    const QByteArray head = line.left(start);
    const QList<QByteArray> values = line.mid(start).split(',');
    QByteArray lines;
    for (qsizetype i = 0; i < values.size(); i += kValuesLibicalReads) {
        lines += (i ? "\r\n" : "") + head;
        for (qsizetype j = i; j < std::min(values.size(), i + kValuesLibicalReads); ++j) {
            lines += (j > i ? "," : "") + values[j];
        }
    }
    return lines;
}

}  // namespace

int nesting(const QByteArray& text, int most) {
    int depth = 0;
    eachLine(text, [&](qsizetype begin, qsizetype end) {
        const QByteArray name =
            nameOf(unfolded(QByteArrayView(text.constData() + begin, end - begin), 16));
        if (name.compare("BEGIN", Qt::CaseInsensitive) == 0) {
            ++depth;
        } else if (name.compare("END", Qt::CaseInsensitive) == 0 && depth > 0) {
            --depth;
        }
        return depth <= most;
    });
    return depth;
}

QByteArray withShortValueLists(const QByteArray& text) {
    QByteArray out;
    qsizetype copied = 0;  // of the text into `out`
    eachLine(text, [&](qsizetype begin, qsizetype end) {
        const QByteArrayView line(text.constData() + begin, end - begin);
        if (tooManyValues(line)) {
            out += QByteArrayView(text.constData() + copied, begin - copied);
            out += split(line);
            copied = end;
        }
        return true;
    });
    if (copied == 0) {
        return text;
    }
    out += QByteArrayView(text.constData() + copied, text.size() - copied);
    return out;
}

}  // namespace calendarlines
