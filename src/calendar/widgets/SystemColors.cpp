#include "calendar/widgets/SystemColors.h"

#include <QApplication>
#include <QPalette>

namespace syscolors {

QColor btnFace() {
    return QApplication::palette().color(QPalette::Active, QPalette::Button);
}

QColor btnHighlight() {
    return QApplication::palette().color(QPalette::Active, QPalette::Light);
}

QColor btnShadow() {
    return QApplication::palette().color(QPalette::Active, QPalette::Dark);
}

QColor window() {
    return QApplication::palette().color(QPalette::Active, QPalette::Base);
}

QColor windowText() {
    return QApplication::palette().color(QPalette::Active, QPalette::Text);
}

QColor grayText() {
    return QApplication::palette().color(QPalette::Disabled, QPalette::Text);
}

QColor fromBgr(quint32 bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

}  // namespace syscolors
