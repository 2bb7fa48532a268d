#pragma once

#include <QList>
#include <QRect>

// One monitor of the desktop in the program's coordinates: the whole of it,
// and the part of it that the desktop's panels leave to windows.
struct Monitor {
    QRect geometry;
    QRect workArea;

    bool operator==(const Monitor&) const = default;
};
