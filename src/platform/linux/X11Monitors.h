#pragma once

#include <QList>
#include <QRect>

namespace x11monitors {
// The monitors as the program places windows on them, in Qt's coordinates.
// Qt reads them from RandR; an X server that lays its screens out only
// through Xinerama (nested servers, older multi-head set-ups) reports one
// RandR monitor for the whole lot, so there the Xinerama heads count.
QList<QRect> monitors();
}  // namespace x11monitors
