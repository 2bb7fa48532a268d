#include "platform/linux/X11Reservations.h"

#include "platform/linux/X11Properties.h"

namespace {

bool managerRuns(xcb_connection_t* connection, xcb_window_t root) {
    const auto check = x11::items(
        connection, root, x11::atom(connection, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW, 1);
    return !check.empty() && check.front() != 0;
}

std::optional<QRect> managerWorkArea(xcb_connection_t* connection, xcb_window_t root) {
    const auto current = x11::items(connection, root, x11::atom(connection, "_NET_CURRENT_DESKTOP"),
                                    XCB_ATOM_CARDINAL, 1);
    const uint32_t desktop = current.empty() ? 0 : current.front();
    const auto areas =
        x11::items(connection, root, x11::atom(connection, "_NET_WORKAREA"), XCB_ATOM_CARDINAL);
    if (areas.size() < 4 * (desktop + 1)) {
        return std::nullopt;
    }
    const uint32_t* a = areas.data() + 4 * desktop;
    return QRect(static_cast<int>(a[0]), static_cast<int>(a[1]), static_cast<int>(a[2]),
                 static_cast<int>(a[3]));
}

std::optional<EdgeReservation> reservationOf(xcb_connection_t* connection, xcb_window_t window,
                                             xcb_atom_t partial, xcb_atom_t plain,
                                             const QSize& rootSize) {
    const auto p = x11::items(connection, window, partial, XCB_ATOM_CARDINAL, 12);
    if (p.size() == 12) {
        EdgeReservation r;
        r.left = static_cast<int>(p[0]);
        r.right = static_cast<int>(p[1]);
        r.top = static_cast<int>(p[2]);
        r.bottom = static_cast<int>(p[3]);
        r.leftFrom = static_cast<int>(p[4]);
        r.leftTo = static_cast<int>(p[5]);
        r.rightFrom = static_cast<int>(p[6]);
        r.rightTo = static_cast<int>(p[7]);
        r.topFrom = static_cast<int>(p[8]);
        r.topTo = static_cast<int>(p[9]);
        r.bottomFrom = static_cast<int>(p[10]);
        r.bottomTo = static_cast<int>(p[11]);
        return r;
    }
    const auto s = x11::items(connection, window, plain, XCB_ATOM_CARDINAL, 4);
    if (s.size() == 4) {
        return EdgeReservation::alongWholeEdges(static_cast<int>(s[0]), static_cast<int>(s[1]),
                                                static_cast<int>(s[2]), static_cast<int>(s[3]),
                                                rootSize);
    }
    return std::nullopt;
}

}  // namespace

X11Reservations readReservations(xcb_connection_t* connection, xcb_window_t root,
                                 const QSize& rootSize) {
    X11Reservations found;
    if (!managerRuns(connection, root)) {
        return found;
    }
    found.workArea = managerWorkArea(connection, root);
    const xcb_atom_t partial = x11::atom(connection, "_NET_WM_STRUT_PARTIAL");
    const xcb_atom_t plain = x11::atom(connection, "_NET_WM_STRUT");
    const auto clients =
        x11::items(connection, root, x11::atom(connection, "_NET_CLIENT_LIST"), XCB_ATOM_WINDOW);
    for (const xcb_window_t client : clients) {
        if (const auto reservation = reservationOf(connection, client, partial, plain, rootSize)) {
            found.edges << *reservation;
            found.panels.push_back(client);
        }
    }
    return found;
}
