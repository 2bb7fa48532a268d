#include "clockface/ui/TJImage.h"

#include <QPainter>

TJImage::TJImage(QWidget* parent) : QWidget(parent) {}

void TJImage::setPicture(const QImage& picture) {
    const bool resized = picture.size() != picture_.size();
    picture_ = picture;
    if (resized) {
        updateGeometry();
    }
    update();
}

QSize TJImage::sizeHint() const {
    return picture_.isNull() ? QWidget::sizeHint() : picture_.size();
}

void TJImage::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), picture_);
}

void TJImage::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    emit mouseEntered();
}

void TJImage::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    emit mouseLeft();
}
