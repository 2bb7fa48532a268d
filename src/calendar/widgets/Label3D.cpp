#include "calendar/widgets/Label3D.h"

#include <QPainter>

#include "calendar/widgets/Frame3D.h"
#include "calendar/widgets/SystemColors.h"

Label3D::Label3D(QWidget* parent)
    : QWidget(parent), color_(syscolors::btnFace()), fontColor_(syscolors::windowText()) {}

template <typename T>
void Label3D::change(T& member, const T& value) {
    if (member == value) {
        return;
    }
    member = value;
    update();
}

void Label3D::setCaption(const QString& caption) {
    change(caption_, caption);
}
void Label3D::setColor(const QColor& color) {
    change(color_, color);
}
void Label3D::setFontColor(const QColor& color) {
    change(fontColor_, color);
}

void Label3D::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QRect r = rect();
    drawFrame3D(painter, r, syscolors::btnHighlight(), syscolors::btnShadow(), 1);
    painter.fillRect(r, color_);
    painter.setFont(font());
    painter.setPen(fontColor_);
    painter.drawText(r, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap | Qt::TextExpandTabs,
                     caption_);
}
