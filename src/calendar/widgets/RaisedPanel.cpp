#include "calendar/widgets/RaisedPanel.h"

#include <QPainter>

#include "calendar/widgets/Frame3D.h"
#include "calendar/widgets/SystemColors.h"

RaisedPanel::RaisedPanel(QWidget* parent) : QWidget(parent), color_(syscolors::btnFace()) {}

void RaisedPanel::setColor(const QColor& color) {
    if (color_ == color) {
        return;
    }
    color_ = color;
    update();
}

void RaisedPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QRect inside = rect();
    drawFrame3D(painter, inside, syscolors::btnHighlight(), syscolors::btnShadow(), 1);
    painter.fillRect(inside, color_);
}
