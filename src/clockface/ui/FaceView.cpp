#include "clockface/ui/FaceView.h"

#include <QPaintEvent>
#include <QPainter>

FaceView::FaceView(QWidget* parent) : PictureView(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FaceView::settleArea() {
    composer_.setArea(size(), devicePixelRatioF());
    composer_.setPicture(picture());
    composer_.setPanel(palette().color(QPalette::Window));
}

void FaceView::setHands(const std::array<HandLine, 3>& lines,
                        const std::array<QColor, 3>& colours) {
    settleArea();
    for (const QRect& dirty : composer_.setHands(lines, colours)) {
        update(dirty);
    }
}

FaceComposer FaceView::composer() {
    settleArea();
    return composer_;
}

void FaceView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    settleArea();
    // One rectangle of the dirty region at a time.
    for (const QRect& dirty : event->region()) {
        composer_.paint(painter, dirty);
    }
}
