#pragma once

// Where the hands sit in the face bitmap, in its pixel coordinates: the
// centre they turn around and the radius their lengths derive from.
struct HandGeometry {
    int cx = 0;
    int cy = 0;
    int radius = 0;
    bool operator==(const HandGeometry&) const = default;
};
