#pragma once

#include <xcb/xcb.h>

#include <QByteArray>
#include <cstdint>
#include <vector>

// Reading and writing the window properties of the freedesktop hints.
namespace x11 {
// A connection of its own to the display, and its default screen; a null
// connection and screen when the display does not answer.
struct Display {
    xcb_connection_t* connection = nullptr;
    xcb_screen_t* screen = nullptr;
};
Display connect();

xcb_atom_t atom(xcb_connection_t* connection, const char* name);
// A property of 32-bit items (cardinals, atoms, window ids) of the given
// type; empty when the window has none or it is of another type.
std::vector<uint32_t> items(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
                            xcb_atom_t type, uint32_t maxItems = 1024);
void setItems(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
              xcb_atom_t type, const std::vector<uint32_t>& items);
// The name the running window manager gives itself ("KWin", "Mutter",
// "Xfwm4", ...); empty without one.
QByteArray managerName(xcb_connection_t* connection);
}  // namespace x11
