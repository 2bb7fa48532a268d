#include "platform/linux/X11StackKeeper.h"

#include <QSize>
#include <QSocketNotifier>
#include <algorithm>
#include <cstdlib>

#include "platform/linux/X11Properties.h"
#include "platform/linux/X11Reservations.h"

X11StackKeeper::X11StackKeeper() {
    const x11::Display display = x11::connect();
    connection_ = display.connection;
    if (!connection_) {
        return;
    }
    const xcb_screen_t* screen = display.screen;
    root_ = screen->root;
    rootWidth_ = screen->width_in_pixels;
    rootHeight_ = screen->height_in_pixels;
    wmCheck_ = atom("_NET_SUPPORTING_WM_CHECK");
    state_ = atom("_NET_WM_STATE");
    above_ = atom("_NET_WM_STATE_ABOVE");
    for (const char* name : {"_NET_WORKAREA", "_NET_CLIENT_LIST", "_NET_CURRENT_DESKTOP",
                             "_NET_SUPPORTING_WM_CHECK"}) {
        desktopAtoms_.push_back(atom(name));
    }
    panelAtoms_ = {atom("_NET_WM_STRUT_PARTIAL"), atom("_NET_WM_STRUT")};
    notifier_ =
        new QSocketNotifier(xcb_get_file_descriptor(connection_), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &X11StackKeeper::readEvents);
    watchRoot();
}

X11StackKeeper::~X11StackKeeper() {
    if (connection_) {
        xcb_disconnect(connection_);
    }
}

void X11StackKeeper::keep(xcb_window_t window) {
    if (!isKept(window)) {
        kept_.push_back(window);
    }
}

void X11StackKeeper::setDesktopChangedHandler(std::function<void()> handler) {
    desktopChanged_ = std::move(handler);
}

xcb_atom_t X11StackKeeper::atom(const char* name) const {
    return x11::atom(connection_, name);
}

bool X11StackKeeper::isKept(xcb_window_t window) const {
    return std::find(kept_.begin(), kept_.end(), window) != kept_.end();
}

// Another window that asks to stay above is a peer, as a window manager
// would keep it in the same layer: the last raised of them wins. Raising
// over it again would start a raising match with its program (with a second
// clock, say) that never ends.
bool X11StackKeeper::coversKept(xcb_window_t window, bool overrideRedirect) const {
    if (managed_ || overrideRedirect || isKept(window)) {
        return false;
    }
    auto* reply = xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, window, state_, XCB_ATOM_ATOM, 0, 32),
        nullptr);
    bool above = false;
    if (reply && reply->format == 32) {
        const auto* states = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
        const int count = xcb_get_property_value_length(reply) / 4;
        above = std::find(states, states + count, above_) != states + count;
    }
    std::free(reply);
    return !above;
}

// Whether a window manager runs decides what is listened to: without one,
// every mapping and restacking of the desktop's windows; with one, only the
// root's properties and size, so that the desktop's traffic costs nothing.
void X11StackKeeper::watchRoot() {
    auto* reply = xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, root_, wmCheck_, XCB_ATOM_WINDOW, 0, 1),
        nullptr);
    managed_ = reply && reply->format == 32 && xcb_get_property_value_length(reply) == 4 &&
               *static_cast<const xcb_window_t*>(xcb_get_property_value(reply)) != 0;
    std::free(reply);
    uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    if (!managed_) {
        mask |= XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    }
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
    watchPanels();
}

// A panel that changes its size changes its reserved edges; it is listened
// to for that alone, as the desktop's other windows are not.
void X11StackKeeper::watchPanels() {
    const X11Reservations reserved =
        readReservations(connection_, root_, QSize(rootWidth_, rootHeight_));
    const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    for (const xcb_window_t panel : reserved.panels) {
        if (std::find(panels_.begin(), panels_.end(), panel) == panels_.end()) {
            xcb_change_window_attributes(connection_, panel, XCB_CW_EVENT_MASK, &mask);
        }
    }
    panels_ = reserved.panels;
    xcb_flush(connection_);
}

bool X11StackKeeper::tellsDesktop(const xcb_property_notify_event_t& event) const {
    const auto& atoms = event.window == root_ ? desktopAtoms_ : panelAtoms_;
    return std::find(atoms.begin(), atoms.end(), event.atom) != atoms.end();
}

void X11StackKeeper::raiseKept() {
    const uint32_t above = XCB_STACK_MODE_ABOVE;
    for (const xcb_window_t window : kept_) {
        xcb_configure_window(connection_, window, XCB_CONFIG_WINDOW_STACK_MODE, &above);
    }
    xcb_flush(connection_);
}

void X11StackKeeper::readEvents() {
    bool raise = false;
    bool changed = false;
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
        switch (event->response_type & 0x7F) {
            case XCB_PROPERTY_NOTIFY: {
                const auto* e = reinterpret_cast<xcb_property_notify_event_t*>(event);
                if (e->window == root_ && e->atom == wmCheck_) {
                    watchRoot();
                    raise = !managed_;
                }
                changed |= tellsDesktop(*e);
                break;
            }
            // Menus and tooltips bypass the window manager and belong above
            // everything, the kept windows included.
            case XCB_MAP_NOTIFY: {
                const auto* e = reinterpret_cast<xcb_map_notify_event_t*>(event);
                raise = raise || (e->event == root_ && coversKept(e->window, e->override_redirect));
                break;
            }
            case XCB_CONFIGURE_NOTIFY: {
                const auto* e = reinterpret_cast<xcb_configure_notify_event_t*>(event);
                if (e->window == root_) {
                    changed |= e->width != rootWidth_ || e->height != rootHeight_;
                    rootWidth_ = e->width;
                    rootHeight_ = e->height;
                } else if (!raise && e->event == root_) {
                    raise = coversKept(e->window, e->override_redirect);
                }
                break;
            }
            default:
                break;  // errors of raising a window that is gone included
        }
        std::free(event);
    }
    if (xcb_connection_has_error(connection_)) {
        notifier_->setEnabled(false);  // the display is gone; Qt ends the program
        return;
    }
    if (raise) {
        raiseKept();
    }
    if (changed) {
        watchPanels();
        if (desktopChanged_) {
            desktopChanged_();
        }
    }
}
