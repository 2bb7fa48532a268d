#include "autohide/HomeScreen.h"

QRect homeScreen(const QList<QRect>& screens) {
    QRect home;
    for (const QRect& screen : screens) {
        if (screen.isEmpty()) {
            continue;
        }
        if (home.isNull() || screen.right() > home.right() ||
            (screen.right() == home.right() && screen.top() < home.top())) {
            home = screen;
        }
    }
    return home.isNull() ? QRect(0, 0, 1024, 768) : home;
}
