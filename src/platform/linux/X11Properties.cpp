#include "platform/linux/X11Properties.h"

#include <cstdlib>
#include <cstring>

namespace x11 {

Display connect() {
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return {};
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i) {
        xcb_screen_next(&screens);
    }
    return {connection, screens.data};
}

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    auto* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name),
        nullptr);
    const xcb_atom_t found = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return found;
}

std::vector<uint32_t> items(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
                            xcb_atom_t type, uint32_t maxItems) {
    std::vector<uint32_t> found;
    auto* reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, property, type, 0, maxItems), nullptr);
    if (reply && reply->format == 32 && reply->type == type) {
        const auto* held = static_cast<const uint32_t*>(xcb_get_property_value(reply));
        found.assign(held, held + xcb_get_property_value_length(reply) / 4);
    }
    std::free(reply);
    return found;
}

void setItems(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
              xcb_atom_t type, const std::vector<uint32_t>& items) {
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, property, type, 32,
                        static_cast<uint32_t>(items.size()), items.data());
}

QByteArray managerName(xcb_connection_t* connection) {
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const auto check =
        items(connection, root, atom(connection, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW, 1);
    if (check.empty() || check.front() == 0) {
        return {};
    }
    const xcb_atom_t name = atom(connection, "_NET_WM_NAME");
    auto* reply = xcb_get_property_reply(connection,
                                         xcb_get_property(connection, 0, check.front(), name,
                                                          atom(connection, "UTF8_STRING"), 0, 64),
                                         nullptr);
    QByteArray found;
    if (reply && reply->format == 8) {
        found = QByteArray(static_cast<const char*>(xcb_get_property_value(reply)),
                           xcb_get_property_value_length(reply));
    }
    std::free(reply);
    return found;
}

}  // namespace x11
