#include "platform/linux/X11DesktopWindows.h"

#include <xcb/xcb.h>

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/linux/X11StackKeeper.h"

namespace {

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    auto* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(strlen(name)), name),
        nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return found;
}

xcb_connection_t* qtConnection() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

}  // namespace

X11DesktopWindows::X11DesktopWindows() = default;
X11DesktopWindows::~X11DesktopWindows() = default;

void X11DesktopWindows::adopt(QWidget& window, bool onTop) {
    if (!qtConnection()) {
        return;  // not on X11: nothing to mark
    }
    window.installEventFilter(this);
    if (onTop) {
        onTop_.insert(&window);
    }
    if (!keeper_) {
        keeper_ = std::make_unique<X11StackKeeper>();
        keeper_->setDesktopResizedHandler([this] {
            if (desktopResized_) {
                desktopResized_();
            }
        });
    }
    if (window.isVisible()) {
        // Already mapped: the marks take effect from its next mapping.
        markForDesktop(window);
    }
}

void X11DesktopWindows::setDesktopResizedHandler(std::function<void()> handler) {
    desktopResized_ = std::move(handler);
}

// Qt sends the show event before it maps the window, and keeps the states it
// finds on the window when it writes its own.
bool X11DesktopWindows::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* window = static_cast<QWidget*>(watched);
        if (window->isWindow()) {
            markForDesktop(*window);
        }
    }
    return QObject::eventFilter(watched, event);
}

void X11DesktopWindows::markForDesktop(QWidget& window) {
    xcb_connection_t* connection = qtConnection();
    const auto id = static_cast<xcb_window_t>(window.winId());
    const xcb_atom_t state = atom(connection, "_NET_WM_STATE");
    std::vector<xcb_atom_t> states;
    auto* reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, id, state, XCB_ATOM_ATOM, 0, 64), nullptr);
    if (reply && reply->format == 32 && reply->type == XCB_ATOM_ATOM) {
        const auto* held = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
        states.assign(held, held + xcb_get_property_value_length(reply) / 4);
    }
    std::free(reply);
    for (const char* name :
         {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER", "_NET_WM_STATE_STICKY"}) {
        const xcb_atom_t wanted = atom(connection, name);
        if (std::find(states.begin(), states.end(), wanted) == states.end()) {
            states.push_back(wanted);
        }
    }
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, state, XCB_ATOM_ATOM, 32,
                        static_cast<uint32_t>(states.size()), states.data());
    const uint32_t everyWorkspace = 0xFFFFFFFF;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, atom(connection, "_NET_WM_DESKTOP"),
                        XCB_ATOM_CARDINAL, 32, 1, &everyWorkspace);
    xcb_flush(connection);
    if (onTop_.contains(&window) && keeper_) {
        keeper_->keep(id);
    }
}
