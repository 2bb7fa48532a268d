#pragma once

#include <QColor>

// The desktop's named colours as the calendar's widgets use them, taken from
// the application palette each time they are asked for, so a palette change
// reaches the next repaint. This is the only place that decides which palette
// role stands for which colour.
namespace syscolors {

QColor btnFace();       // face of buttons, panels and fixed grid cells
QColor btnHighlight();  // lit edge of a raised bevel
QColor btnShadow();     // shaded edge of a raised bevel
QColor window();        // background of text areas such as grid cells
QColor windowText();    // text on that background
QColor grayText();      // text of a disabled control

// A stored colour value 0x00BBGGRR (red in the low byte) as a QColor.
QColor fromBgr(quint32 bgr);

}  // namespace syscolors
