#pragma once

#include <QtGlobal>
#include <array>

// One colour of a skin's hands, by its red, green and blue components.
struct SkinRgb {
    quint8 red = 0;
    quint8 green = 0;
    quint8 blue = 0;
    bool operator==(const SkinRgb&) const = default;
};

// The colours a skin description names by index: the sixteen basic colours
// followed by money green, sky blue and cream.
inline constexpr std::array<SkinRgb, 19> skinColourTable{{
    {0, 0, 0},        // black
    {128, 0, 0},      // maroon
    {0, 128, 0},      // green
    {128, 128, 0},    // olive
    {0, 0, 128},      // navy
    {128, 0, 128},    // purple
    {0, 128, 128},    // teal
    {128, 128, 128},  // grey
    {192, 192, 192},  // silver
    {255, 0, 0},      // red
    {0, 255, 0},      // lime
    {255, 255, 0},    // yellow
    {0, 0, 255},      // blue
    {255, 0, 255},    // fuchsia
    {0, 255, 255},    // aqua
    {255, 255, 255},  // white
    {192, 220, 192},  // money green
    {166, 202, 240},  // sky blue
    {255, 251, 240},  // cream
}};

inline constexpr bool isSkinColourIndex(qint64 index) {
    return index >= 0 && index < qint64(skinColourTable.size());
}
