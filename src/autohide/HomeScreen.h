#pragma once

#include <QList>

#include "platform/Monitor.h"

// The monitor the clock hangs from: of all the monitors, the one whose right
// edge is the desktop's right edge (the highest of them where several end
// there), so that sliding off that edge leaves the whole desktop. The clock
// sits at the top right of its work area. Without any monitor, a 1024 by 768
// desktop stands in.
Monitor homeScreen(const QList<Monitor>& monitors);
