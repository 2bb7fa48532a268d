#include "autohide/HomeScreen.h"

#include <optional>

Monitor homeScreen(const QList<Monitor>& monitors) {
    std::optional<Monitor> home;
    for (const Monitor& monitor : monitors) {
        const QRect& screen = monitor.geometry;
        if (screen.isEmpty()) {
            continue;
        }
        if (!home || screen.right() > home->geometry.right() ||
            (screen.right() == home->geometry.right() && screen.top() < home->geometry.top())) {
            home = monitor;
        }
    }
    if (!home) {
        const QRect fallback(0, 0, 1024, 768);
        return {fallback, fallback};
    }
    // A work area outside its monitor would put the clock on another one.
    if (!home->geometry.contains(home->workArea)) {
        home->workArea = home->geometry;
    }
    return *home;
}
