#include "clockface/SkinDescription.h"

#include <QFile>
#include <array>
#include <limits>

#include "clockface/SkinColourTable.h"
#include "settings/PlainFile.h"
#include "texts/SkinTexts.h"

namespace {

constexpr int kLineCount = 6;
constexpr int kColourLines = 3;
// Six longest lines with their line ends, with room to spare.
constexpr qint64 kHeadSize = 4096;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::optional<int> decimalInteger(QByteArrayView line) {
    if (line.size() > skin::kMaxLineLength) {
        return std::nullopt;
    }
    qsizetype begin = 0;
    qsizetype end = line.size();
    while (begin < end && isBlank(line[begin])) {
        ++begin;
    }
    while (end > begin && isBlank(line[end - 1])) {
        --end;
    }
    bool negative = false;
    if (begin < end && (line[begin] == '+' || line[begin] == '-')) {
        negative = line[begin] == '-';
        ++begin;
    }
    if (begin == end) {
        return std::nullopt;
    }
    // Accumulate toward the negative side, which holds one value more.
    constexpr qint64 kLowest = std::numeric_limits<int>::min();
    qint64 value = 0;
    for (qsizetype i = begin; i < end; ++i) {
        const char c = line[i];
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 - (c - '0');
        if (value < kLowest) {
            return std::nullopt;
        }
    }
    if (!negative) {
        value = -value;
        if (value > std::numeric_limits<int>::max()) {
            return std::nullopt;
        }
    }
    return int(value);
}

}  // namespace

QString SkinDescriptionResult::reason() const {
    switch (fault) {
        case SkinDescriptionFault::None:
            return QString();
        case SkinDescriptionFault::FileMissing:
            return skintexts::fileMissing();
        case SkinDescriptionFault::FileUnreadable:
            return skintexts::fileUnreadable(detail);
        case SkinDescriptionFault::LineMissing:
            return skintexts::lineMissing(line);
        case SkinDescriptionFault::NotAnInteger:
            return skintexts::notAnInteger(line);
        case SkinDescriptionFault::ColourOutOfRange:
            return skintexts::colourOutOfRange(line);
    }
    return QString();
}

namespace skin {

SkinDescriptionResult parseDescription(QByteArrayView bytes) {
    SkinDescriptionResult result;
    if (bytes.startsWith("\xEF\xBB\xBF")) {  // left by some editors
        bytes = bytes.sliced(3);
    }
    std::array<int, kLineCount> values{};
    qsizetype pos = 0;
    for (int line = 1; line <= kLineCount; ++line) {
        if (pos >= bytes.size()) {
            result.fault = SkinDescriptionFault::LineMissing;
            result.line = line;
            return result;
        }
        qsizetype end = pos;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r') {
            ++end;
        }
        const std::optional<int> value = decimalInteger(bytes.sliced(pos, end - pos));
        if (!value) {
            result.fault = SkinDescriptionFault::NotAnInteger;
            result.line = line;
            return result;
        }
        if (line <= kColourLines && !isSkinColourIndex(*value)) {
            result.fault = SkinDescriptionFault::ColourOutOfRange;
            result.line = line;
            return result;
        }
        values[line - 1] = *value;
        // CR LF, LF and a lone CR each end one line.
        pos = end;
        if (pos < bytes.size() && bytes[pos] == '\r') {
            ++pos;
            if (pos < bytes.size() && bytes[pos] == '\n') {
                ++pos;
            }
        } else if (pos < bytes.size()) {
            ++pos;  // the LF
        }
    }
    result.description = SkinDescription{values[0], values[1], values[2],
                                         HandGeometry{values[3], values[4], values[5]}};
    return result;
}

SkinDescriptionResult readDescription(const QString& path) {
    QFile file(path);
    if (!file.exists()) {
        SkinDescriptionResult result;
        result.fault = SkinDescriptionFault::FileMissing;
        return result;
    }
    // A folder or a pipe under the name is refused before anything waits on it.
    const QString refusal = plainfile::refusal(path);
    if (!refusal.isEmpty()) {
        SkinDescriptionResult result;
        result.fault = SkinDescriptionFault::FileUnreadable;
        result.detail = refusal;
        return result;
    }
    QByteArray head;
    if (file.open(QIODevice::ReadOnly)) {
        head = file.read(kHeadSize);
    }
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        SkinDescriptionResult result;
        result.fault = SkinDescriptionFault::FileUnreadable;
        result.detail = file.errorString();
        return result;
    }
    return parseDescription(head);
}

}  // namespace skin
