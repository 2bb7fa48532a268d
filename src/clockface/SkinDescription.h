#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

#include "clockface/HandGeometry.h"

// A skin description ".skn": six lines of one decimal integer each, the
// colour indices of the second, minute and hour hands, then the centre x,
// centre y and radius. Lines after the sixth are ignored.
struct SkinDescription {
    int secondColour = 0;
    int minuteColour = 0;
    int hourColour = 0;
    HandGeometry geometry;
    bool operator==(const SkinDescription&) const = default;
};

enum class SkinDescriptionFault {
    None,
    FileMissing,
    FileUnreadable,
    LineMissing,       // the file ends before the line
    NotAnInteger,      // empty, other characters, or outside the integer range
    ColourOutOfRange,  // a colour index outside the table
};

// What reading a description gave: the description, or the first line at
// fault and why.
struct SkinDescriptionResult {
    std::optional<SkinDescription> description;
    SkinDescriptionFault fault = SkinDescriptionFault::None;
    int line = 0;    // 1..6 for the line faults
    QString detail;  // the file error text for an unreadable file

    bool ok() const { return description.has_value(); }
    // Why the description cannot be used, for the user.
    QString reason() const;
};

namespace skin {

// Longest line taken as a number; longer lines are not decimal integers.
inline constexpr int kMaxLineLength = 256;

SkinDescriptionResult parseDescription(QByteArrayView bytes);
// Reads only the head of the file: six lines of at most kMaxLineLength
// characters always fit into it, so a huge file costs no more than a small one.
SkinDescriptionResult readDescription(const QString& path);

}  // namespace skin
