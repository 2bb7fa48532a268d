#pragma once

#include <QList>
#include <QRect>
#include <QSize>
#include <optional>

// What a panel keeps for itself along the edges of the whole desktop, in the
// way of the freedesktop window-manager hints: a width from each edge of the
// root window, each over a range of the other axis (both ends included).
struct EdgeReservation {
    int left = 0, right = 0, top = 0, bottom = 0;
    int leftFrom = 0, leftTo = 0;  // y range of the left reservation
    int rightFrom = 0, rightTo = 0;
    int topFrom = 0, topTo = 0;  // x range of the top reservation
    int bottomFrom = 0, bottomTo = 0;

    // A reservation without ranges holds along the whole edge.
    static EdgeReservation alongWholeEdges(int left, int right, int top, int bottom,
                                           const QSize& desktop);
};

// The part of each monitor that windows may use: the monitor less what the
// panels reserve within it. `desktopWorkArea` is the one rectangle a window
// manager publishes for the whole desktop; it tells the truth only where
// there is one monitor (with several it spans them all), so only there does
// it count, and it covers panels that are no windows of the X server (a
// Wayland compositor's own). A monitor that the panels would leave no room
// keeps its whole area.
QList<QRect> workAreas(const QList<QRect>& monitors, const QSize& desktop,
                       const QList<EdgeReservation>& reservations,
                       const std::optional<QRect>& desktopWorkArea);
