#include "clockface/ui/PictureView.h"

#include <QPainter>

PictureView::PictureView(QWidget* parent) : QWidget(parent) {}

void PictureView::setPicture(const QImage& picture) {
    const bool resized = picture.deviceIndependentSize() != picture_.deviceIndependentSize();
    picture_ = picture;
    if (resized) {
        updateGeometry();
    }
    update();
}

QSize PictureView::sizeHint() const {
    return picture_.isNull() ? QWidget::sizeHint() : picture_.deviceIndependentSize().toSize();
}

void PictureView::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), picture_);
}

void PictureView::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    emit mouseEntered();
}

void PictureView::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    emit mouseLeft();
}
