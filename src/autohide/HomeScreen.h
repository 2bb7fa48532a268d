#pragma once

#include <QList>
#include <QRect>

// The screen the clock hangs from: of all the monitors, the one whose right
// edge is the desktop's right edge (the highest of them where several end
// there), so that sliding off that edge leaves the whole desktop. Without
// any monitor, a 1024 by 768 desktop stands in.
QRect homeScreen(const QList<QRect>& screens);
