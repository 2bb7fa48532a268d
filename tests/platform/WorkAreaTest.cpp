#include <gtest/gtest.h>

#include "platform/WorkArea.h"

namespace {

// A panel along one edge, over the given range of the other axis.
EdgeReservation top(int height, int fromX, int toX) {
    EdgeReservation r;
    r.top = height;
    r.topFrom = fromX;
    r.topTo = toX;
    return r;
}
EdgeReservation right(int width, int fromY, int toY) {
    EdgeReservation r;
    r.right = width;
    r.rightFrom = fromY;
    r.rightTo = toY;
    return r;
}
EdgeReservation left(int width, int fromY, int toY) {
    EdgeReservation r;
    r.left = width;
    r.leftFrom = fromY;
    r.leftTo = toY;
    return r;
}
EdgeReservation bottom(int height, int fromX, int toX) {
    EdgeReservation r;
    r.bottom = height;
    r.bottomFrom = fromX;
    r.bottomTo = toX;
    return r;
}

}  // namespace

TEST(WorkArea, IsWhatThePanelsLeaveOfEachMonitor) {
    struct Case {
        const char* desktop;
        QList<QRect> monitors;
        QList<EdgeReservation> panels;
        std::optional<QRect> managersArea;
        QList<QRect> areas;
    };
    const QRect one(0, 0, 1280, 1024);
    const QRect leftOfTwo(0, 0, 1920, 1080);
    const QRect rightOfTwo(1920, 0, 1280, 1024);
    const QSize twoWide(3200, 1080);
    for (const Case& c : {
             Case{"no panel", {one}, {}, std::nullopt, {one}},
             Case{"top panel", {one}, {top(27, 0, 1279)}, std::nullopt, {{0, 27, 1280, 997}}},
             Case{"right panel", {one}, {right(48, 0, 1023)}, std::nullopt, {{0, 0, 1232, 1024}}},
             Case{"left panel", {one}, {left(64, 0, 1023)}, std::nullopt, {{64, 0, 1216, 1024}}},
             Case{"bottom panel", {one}, {bottom(44, 0, 1279)}, std::nullopt, {{0, 0, 1280, 980}}},
             Case{"a top and a right panel",
                  {one},
                  {top(32, 0, 1279), right(40, 32, 1023)},
                  std::nullopt,
                  {{0, 32, 1240, 992}}},
             Case{"a panel that is no window: the manager's area",
                  {one},
                  {},
                  QRect(0, 32, 1280, 992),
                  {{0, 32, 1280, 992}}},
             Case{"the manager's area and a panel's agree",
                  {one},
                  {top(27, 0, 1279)},
                  QRect(0, 27, 1280, 997),
                  {{0, 27, 1280, 997}}},
             Case{"two monitors, a top panel on the left one only",
                  {leftOfTwo, rightOfTwo},
                  {top(27, 0, 1919)},
                  QRect(0, 27, 3200, 1053),
                  {{0, 27, 1920, 1053}, rightOfTwo}},
             Case{"two monitors, a top panel on the right one",
                  {leftOfTwo, rightOfTwo},
                  {top(30, 1920, 3199)},
                  std::nullopt,
                  {leftOfTwo, {1920, 30, 1280, 994}}},
             Case{"two monitors, a right panel on the right one",
                  {leftOfTwo, rightOfTwo},
                  {right(50, 0, 1023)},
                  std::nullopt,
                  {leftOfTwo, {1920, 0, 1230, 1024}}},
             Case{"two monitors, a bottom panel on the shorter right one",
                  {leftOfTwo, rightOfTwo},
                  {bottom(56 + 40, 1920, 3199)},
                  std::nullopt,
                  {leftOfTwo, {1920, 0, 1280, 984}}},
             Case{"a panel claiming a whole monitor leaves it whole",
                  {one},
                  {right(1280, 0, 1023)},
                  std::nullopt,
                  {one}},
         }) {
        const QSize desktop = c.monitors.size() == 1 ? one.size() : twoWide;
        EXPECT_EQ(workAreas(c.monitors, desktop, c.panels, c.managersArea), c.areas) << c.desktop;
    }
}

// The older hint without ranges holds along the whole edge.
TEST(WorkArea, OlderPanelsReserveWholeEdges) {
    const QSize desktop(3200, 1080);
    const EdgeReservation panel = EdgeReservation::alongWholeEdges(0, 0, 24, 0, desktop);
    EXPECT_EQ(workAreas({{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}}, desktop, {panel}, {}),
              (QList<QRect>{{0, 24, 1920, 1056}, {1920, 24, 1280, 1000}}));
}
