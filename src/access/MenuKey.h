#pragma once

class QKeyEvent;

namespace menukey {

// The keys that open a context menu: the menu key, and Shift+F10 on
// keyboards without one.
bool opensMenu(const QKeyEvent& event);

}  // namespace menukey
