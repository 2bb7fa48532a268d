#include "platform/linux/X11Monitors.h"

#include <xcb/xinerama.h>

#include <QGuiApplication>
#include <QScreen>
#include <cstdlib>

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

// Qt keeps a screen's origin and divides its size by the scale factor; a
// head it does not know is measured from the screen that holds its origin.
QRect toQt(const QRect& head, const QList<QScreen*>& screens) {
    const QScreen* from = screens.first();
    for (const QScreen* screen : screens) {
        const QRect native(screen->geometry().topLeft(),
                           screen->geometry().size() * screen->devicePixelRatio());
        if (native.contains(head.topLeft())) {
            from = screen;
        }
    }
    const qreal ratio = from->devicePixelRatio();
    const QPoint origin = from->geometry().topLeft();
    const QPointF topLeft = QPointF(origin) + QPointF(head.topLeft() - origin) / ratio;
    return QRect(topLeft.toPoint(), (QSizeF(head.size()) / ratio).toSize());
}

}  // namespace

QList<QRect> monitors() {
    const QList<QScreen*> screens = QGuiApplication::screens();
    QList<QRect> found;
    for (const QScreen* screen : screens) {
        found << screen->geometry();
    }
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (!x11 || screens.isEmpty()) {
        return found;
    }
    const QList<QRect> heads = xineramaHeads(x11->connection());
    if (heads.size() <= screens.size()) {
        return found;
    }
    found.clear();
    for (const QRect& head : heads) {
        found << toQt(head, screens);
    }
    return found;
}

}  // namespace x11monitors
