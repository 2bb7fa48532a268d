#include "platform/linux/X11PointerArea.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSocketNotifier>
#include <cstdlib>

#include "platform/linux/X11Properties.h"

X11PointerArea::X11PointerArea() {
    const x11::Display display = x11::connect();
    connection_ = display.connection;
    if (!connection_) {
        return;
    }
    const xcb_screen_t* screen = display.screen;
    root_ = screen->root;
    window_ = xcb_generate_id(connection_);
    // Bypassing the window manager: nothing to frame, list or focus.
    const uint32_t values[] = {1, XCB_EVENT_MASK_ENTER_WINDOW};
    xcb_create_window(connection_, 0, window_, root_, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                      XCB_COPY_FROM_PARENT, XCB_CW_OVERRIDE_REDIRECT | XCB_CW_EVENT_MASK, values);
    xcb_flush(connection_);
    notifier_ =
        new QSocketNotifier(xcb_get_file_descriptor(connection_), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &X11PointerArea::readEvents);
}

X11PointerArea::~X11PointerArea() {
    delete notifier_;
    if (connection_) {
        xcb_disconnect(connection_);
    }
}

// Qt's screen coordinates are logical pixels; the server counts device ones.
QRect X11PointerArea::devicePixels(const QRect& area) {
    const QScreen* screen = QGuiApplication::screenAt(area.topLeft());
    if (!screen) {
        screen = QGuiApplication::primaryScreen();
    }
    const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
    const QPoint origin = screen ? screen->geometry().topLeft() : QPoint();
    const QPoint topLeft = origin + (area.topLeft() - origin) * ratio;
    return QRect(topLeft, area.size() * ratio);
}

bool X11PointerArea::watch(const QRect& area, std::function<void()> entered) {
    if (!connection_ || area.isEmpty()) {
        return false;
    }
    entered_ = std::move(entered);
    const QRect device = devicePixels(area);
    const uint32_t geometry[] = {uint32_t(device.x()), uint32_t(device.y()),
                                 uint32_t(device.width()), uint32_t(device.height())};
    xcb_configure_window(connection_, window_,
                         XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y | XCB_CONFIG_WINDOW_WIDTH |
                             XCB_CONFIG_WINDOW_HEIGHT,
                         geometry);
    // Mapped on top; a pointer already inside gets its entry from the mapping.
    xcb_map_window(connection_, window_);
    mapped_ = true;
    raise();
    watchRoot(true);
    xcb_flush(connection_);
    return true;
}

void X11PointerArea::stop() {
    entered_ = {};
    if (!connection_ || !mapped_) {
        return;
    }
    mapped_ = false;
    watchRoot(false);
    xcb_unmap_window(connection_, window_);
    xcb_flush(connection_);
}

// Another window mapped or restacked may come over the area; only while it
// is watched, so the desktop's traffic costs nothing otherwise.
void X11PointerArea::watchRoot(bool on) {
    const uint32_t mask = on ? XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY : 0;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
}

void X11PointerArea::raise() {
    const uint32_t above = XCB_STACK_MODE_ABOVE;
    xcb_configure_window(connection_, window_, XCB_CONFIG_WINDOW_STACK_MODE, &above);
}

void X11PointerArea::readEvents() {
    bool entered = false;
    bool covered = false;
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
        switch (event->response_type & 0x7F) {
            case XCB_ENTER_NOTIFY:
                entered |= reinterpret_cast<xcb_enter_notify_event_t*>(event)->event == window_;
                break;
            // Menus and tooltips bypass the window manager and belong above
            // everything; the area is raised over the others.
            case XCB_MAP_NOTIFY: {
                const auto* e = reinterpret_cast<xcb_map_notify_event_t*>(event);
                covered |= e->window != window_ && !e->override_redirect;
                break;
            }
            case XCB_CONFIGURE_NOTIFY: {
                const auto* e = reinterpret_cast<xcb_configure_notify_event_t*>(event);
                covered |= e->window != window_ && !e->override_redirect;
                break;
            }
            default:
                break;
        }
        std::free(event);
    }
    if (xcb_connection_has_error(connection_)) {
        notifier_->setEnabled(false);  // the display is gone; Qt ends the program
        return;
    }
    if (!mapped_) {
        return;
    }
    if (entered) {
        const std::function<void()> handler = entered_;
        stop();
        if (handler) {
            handler();
        }
        return;
    }
    if (covered) {
        raise();
        xcb_flush(connection_);
    }
}
