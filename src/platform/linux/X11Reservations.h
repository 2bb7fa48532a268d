#pragma once

#include <xcb/xcb.h>

#include <QList>
#include <QRect>
#include <optional>
#include <vector>

#include "platform/WorkArea.h"

// What the window manager and the panels say of the desktop's usable area,
// in the X server's pixels: the manager's work area of the current
// workspace, and the edges each panel (a managed window with struts)
// reserves. Nothing where no window manager runs: a work area left behind by
// one that has gone would be stale.
struct X11Reservations {
    std::optional<QRect> workArea;
    QList<EdgeReservation> edges;
    std::vector<xcb_window_t> panels;  // the windows that reserve edges
};

X11Reservations readReservations(xcb_connection_t* connection, xcb_window_t root,
                                 const QSize& rootSize);
