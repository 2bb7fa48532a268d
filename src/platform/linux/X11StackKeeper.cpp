#include "platform/linux/X11StackKeeper.h"

#include <QSocketNotifier>
#include <algorithm>
#include <cstdlib>
#include <cstring>

X11StackKeeper::X11StackKeeper() {
    int screenNumber = 0;
    connection_ = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection_)) {
        xcb_disconnect(connection_);
        connection_ = nullptr;
        return;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i) {
        xcb_screen_next(&screens);
    }
    root_ = screens.data->root;
    rootWidth_ = screens.data->width_in_pixels;
    rootHeight_ = screens.data->height_in_pixels;
    wmCheck_ = atom("_NET_SUPPORTING_WM_CHECK");
    state_ = atom("_NET_WM_STATE");
    above_ = atom("_NET_WM_STATE_ABOVE");
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

void X11StackKeeper::setDesktopResizedHandler(std::function<void()> handler) {
    desktopResized_ = std::move(handler);
}

xcb_atom_t X11StackKeeper::atom(const char* name) const {
    auto* reply = xcb_intern_atom_reply(
        connection_,
        xcb_intern_atom(connection_, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return found;
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
    xcb_flush(connection_);
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
    bool resized = false;
    while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
        switch (event->response_type & 0x7F) {
            case XCB_PROPERTY_NOTIFY: {
                const auto* e = reinterpret_cast<xcb_property_notify_event_t*>(event);
                if (e->window == root_ && e->atom == wmCheck_) {
                    watchRoot();
                    raise = !managed_;
                }
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
                    resized |= e->width != rootWidth_ || e->height != rootHeight_;
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
    if (resized && desktopResized_) {
        desktopResized_();
    }
}
