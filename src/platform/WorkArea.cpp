#include "platform/WorkArea.h"

#include <algorithm>

namespace {

bool overlaps(int from, int to, int low, int high) {
    return from <= high && to >= low;
}

QRect lessReservation(const QRect& monitor, const QSize& desktop, const EdgeReservation& r) {
    int left = monitor.left();
    int top = monitor.top();
    int right = monitor.right() + 1;  // exclusive
    int bottom = monitor.bottom() + 1;
    if (r.left > 0 && overlaps(r.leftFrom, r.leftTo, monitor.top(), monitor.bottom())) {
        left = std::max(left, r.left);
    }
    if (r.right > 0 && overlaps(r.rightFrom, r.rightTo, monitor.top(), monitor.bottom())) {
        right = std::min(right, desktop.width() - r.right);
    }
    if (r.top > 0 && overlaps(r.topFrom, r.topTo, monitor.left(), monitor.right())) {
        top = std::max(top, r.top);
    }
    if (r.bottom > 0 && overlaps(r.bottomFrom, r.bottomTo, monitor.left(), monitor.right())) {
        bottom = std::min(bottom, desktop.height() - r.bottom);
    }
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

}  // namespace

EdgeReservation EdgeReservation::alongWholeEdges(int left, int right, int top, int bottom,
                                                 const QSize& desktop) {
    EdgeReservation r;
    r.left = left;
    r.right = right;
    r.top = top;
    r.bottom = bottom;
    r.leftTo = r.rightTo = desktop.height() - 1;
    r.topTo = r.bottomTo = desktop.width() - 1;
    return r;
}

QList<QRect> workAreas(const QList<QRect>& monitors, const QSize& desktop,
                       const QList<EdgeReservation>& reservations,
                       const std::optional<QRect>& desktopWorkArea) {
    QList<QRect> areas;
    for (const QRect& monitor : monitors) {
        QRect area = monitor;
        if (monitors.size() == 1 && desktopWorkArea && desktopWorkArea->isValid()) {
            area &= *desktopWorkArea;
        }
        for (const EdgeReservation& reservation : reservations) {
            if (area.isValid()) {
                area = lessReservation(area, desktop, reservation);
            }
        }
        areas << (area.isValid() && !area.isEmpty() ? area : monitor);
    }
    return areas;
}
