#include "platform/linux/X11Monitors.h"

#include <xcb/xinerama.h>

#include <QGuiApplication>
#include <QScreen>
#include <cstdlib>

#include "platform/WorkArea.h"
#include "platform/linux/X11Reservations.h"

namespace x11monitors {
namespace {

QList<QRect> xineramaHeads(xcb_connection_t* connection) {
    QList<QRect> heads;
    auto* active =
        xcb_xinerama_is_active_reply(connection, xcb_xinerama_is_active(connection), nullptr);
    const bool on = active && active->state;
    std::free(active);
    if (!on) {
        return heads;
    }
    auto* reply = xcb_xinerama_query_screens_reply(connection,
                                                   xcb_xinerama_query_screens(connection), nullptr);
    if (!reply) {
        return heads;
    }
    const xcb_xinerama_screen_info_t* info = xcb_xinerama_query_screens_screen_info(reply);
    const int count = xcb_xinerama_query_screens_screen_info_length(reply);
    for (int i = 0; i < count; ++i) {
        const QRect head(info[i].x_org, info[i].y_org, info[i].width, info[i].height);
        if (!heads.contains(head)) {  // some servers list every head at the origin
            heads << head;
        }
    }
    std::free(reply);
    return heads;
}

// Qt keeps a screen's origin and divides its size by the scale factor.
QRect native(const QScreen* screen) {
    return QRect(screen->geometry().topLeft(),
                 screen->geometry().size() * screen->devicePixelRatio());
}

// A rectangle in the server's pixels is measured from the screen that holds
// its origin.
QRect toQt(const QRect& rect, const QList<QScreen*>& screens) {
    const QScreen* from = screens.first();
    for (const QScreen* screen : screens) {
        if (native(screen).contains(rect.topLeft())) {
            from = screen;
        }
    }
    const qreal ratio = from->devicePixelRatio();
    const QPoint origin = from->geometry().topLeft();
    const QPointF topLeft = QPointF(origin) + QPointF(rect.topLeft() - origin) / ratio;
    return QRect(topLeft.toPoint(), (QSizeF(rect.size()) / ratio).toSize());
}

QSize rootSize(xcb_connection_t* connection, xcb_window_t root) {
    auto* reply = xcb_get_geometry_reply(connection, xcb_get_geometry(connection, root), nullptr);
    const QSize size = reply ? QSize(reply->width, reply->height) : QSize();
    std::free(reply);
    return size;
}

}  // namespace

QList<Monitor> monitors(const QList<QRect>& compositorAreas) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    QList<Monitor> found;
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || screens.isEmpty()) {
        for (const QScreen* screen : screens) {
            found << Monitor{screen->geometry(), screen->availableGeometry()};
        }
        return found;
    }
    xcb_connection_t* connection = x11->connection();
    QList<QRect> heads = xineramaHeads(connection);
    if (heads.size() <= screens.size()) {
        heads.clear();
        for (const QScreen* screen : screens) {
            heads << native(screen);
        }
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const QSize desktop = rootSize(connection, root);
    const X11Reservations reserved = readReservations(connection, root, desktop);
    QList<QRect> areas = workAreas(heads, desktop, reserved.edges, reserved.workArea);
    for (qsizetype i = 0; i < heads.size(); ++i) {
        for (const QRect& area : compositorAreas) {
            if (heads[i].contains(area) && !area.isEmpty()) {
                areas[i] = area;
            }
        }
        found << Monitor{toQt(heads[i], screens), toQt(areas[i], screens)};
    }
    return found;
}

}  // namespace x11monitors
