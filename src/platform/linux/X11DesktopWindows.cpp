#include "platform/linux/X11DesktopWindows.h"

#include <xcb/xcb.h>

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "platform/linux/X11Properties.h"
#include "platform/linux/X11StackKeeper.h"

namespace {

using x11::atom;

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
        keeper_->setDesktopChangedHandler([this] {
            if (desktopChanged_) {
                desktopChanged_();
            }
        });
    }
    if (window.isVisible()) {
        // Already mapped: the marks take effect from its next mapping.
        markForDesktop(window);
    }
}

void X11DesktopWindows::setDesktopChangedHandler(std::function<void()> handler) {
    desktopChanged_ = std::move(handler);
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

// Every window of the desktop skips the taskbar, the pager and, with a
// state of KWin's own, KWin's switcher (the other desktops' switchers leave
// out what skips the taskbar), and shows on every workspace. The tab is a
// dock: above the ordinary windows, never in a switcher, and free to sit at
// the very edge (xfwm4 keeps every other window it manages a title bar's
// height inside the screen). KWin marks a window that was not allowed to
// take the focus when mapped as demanding attention, and sinks it under the
// active one, unless it is a dock or the like: there the clock and the
// calendar are docks too, kept below, which KWin stacks among the ordinary
// windows, so that one raised over them still covers them.
void X11DesktopWindows::markForDesktop(QWidget& window) {
    xcb_connection_t* connection = qtConnection();
    const auto id = static_cast<xcb_window_t>(window.winId());
    const bool onTop = onTop_.contains(&window);
    const bool kwin = x11::managerName(connection) == "KWin";
    std::vector<const char*> wanted{"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER",
                                    "_NET_WM_STATE_STICKY", "_KDE_NET_WM_STATE_SKIP_SWITCHER"};
    if (kwin && !onTop) {
        wanted.push_back("_NET_WM_STATE_BELOW");
    }
    const xcb_atom_t state = atom(connection, "_NET_WM_STATE");
    std::vector<uint32_t> states = x11::items(connection, id, state, XCB_ATOM_ATOM, 64);
    for (const char* name : wanted) {
        const xcb_atom_t item = atom(connection, name);
        if (std::find(states.begin(), states.end(), item) == states.end()) {
            states.push_back(item);
        }
    }
    x11::setItems(connection, id, state, XCB_ATOM_ATOM, states);
    x11::setItems(connection, id, atom(connection, "_NET_WM_DESKTOP"), XCB_ATOM_CARDINAL,
                  {0xFFFFFFFF});  // every workspace
    if (onTop || kwin) {
        x11::setItems(connection, id, atom(connection, "_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM,
                      {atom(connection, "_NET_WM_WINDOW_TYPE_DOCK")});
    }
    xcb_flush(connection);
    if (onTop && keeper_) {
        keeper_->keep(id);
    }
}
