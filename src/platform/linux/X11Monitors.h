#pragma once

#include <QList>

#include "platform/Monitor.h"

namespace x11monitors {
// The monitors as the program places windows on them, in Qt's coordinates,
// each with its work area. Qt reads the monitors from RandR; an X server
// that lays its screens out only through Xinerama (nested servers, older
// multi-head set-ups) reports one RandR monitor for the whole lot, so there
// the Xinerama heads count. The work areas come from the window manager and
// the panels' reserved edges, unless the compositor tells its own
// (`compositorAreas`, in the X server's pixels): each monitor takes the one
// that lies within it.
QList<Monitor> monitors(const QList<QRect>& compositorAreas = {});
}  // namespace x11monitors
