#include "autohide/ui/PullTabWindow.h"

#include <QAccessible>
#include <QFileInfo>
#include <QMetaObject>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>

#include "access/ScreenReader.h"
#include "autohide/ui/RegionFromBitmap.h"
#include "clockface/ui/SkinPicture.h"
#include "settings/FormatNames.h"
#include "state/ClockState.h"

PullTabWindow::PullTabWindow(const ClockState& state, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowDoesNotAcceptFocus),
      state_(state),
      texts_(state.programFolder, state.settings) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(formatnames::tabWindow());
    setPicture(TabPicture::OnScreen, QString());
}

QImage PullTabWindow::plainTab(TabPicture kind) {
    QImage image(kPlainWidth, kPlainHeight, QImage::Format_RGB32);
    image.fill(QColor(0xC0, 0xC0, 0xC0));
    QPainter painter(&image);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawRect(0, 0, kPlainWidth - 1, kPlainHeight - 1);
    // The arrow points where a click sends the clock.
    const int mid = kPlainHeight / 2;
    QPolygon arrow;
    if (kind == TabPicture::OnScreen) {
        arrow << QPoint(3, mid - 4) << QPoint(8, mid) << QPoint(3, mid + 4);
    } else {
        arrow << QPoint(8, mid - 4) << QPoint(3, mid) << QPoint(8, mid + 4);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPolygon(arrow);
    return image;
}

QString PullTabWindow::spokenName() const {
    return texts_.line(kind_ == TabPicture::OnScreen ? sections::access::HideClock
                                                     : sections::access::ShowClock);
}

void PullTabWindow::setPicture(TabPicture kind, const QString& path) {
    const bool turned = kind != kind_;
    kind_ = kind;
    if (turned && screenreader::listening()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    // Only a regular file: the image reader would wait on a pipe for ever.
    Expected<QImage> loaded =
        path.isEmpty() || !QFileInfo(path).isFile() ? Failure{} : readSkinPicture(path);
    skinPicture_ = loaded && loaded->width() > 0 && loaded->height() > 0;
    picture_ = skinPicture_ ? std::move(*loaded) : plainTab(kind);
    setFixedSize(picture_.size());
    // The shape is the picture's, in logical pixels; a sharp companion only
    // draws it in more detail.
    const std::optional<QRegion> shape = skinPicture_ ? regionFromBitmap(picture_) : std::nullopt;
    if (skinPicture_) {
        picture_ = skinpicture::sharpestFor(picture_, path, devicePixelRatioF());
    }
    if (shape) {
        setMask(*shape);
    } else {
        clearMask();
    }
    update();
}

void PullTabWindow::paintEvent(QPaintEvent*) {
    if (state_.settings.noPullTab()) {
        // Hiding from inside a paint would pull the window from under the
        // painter; it goes as soon as this paint is over.
        QMetaObject::invokeMethod(this, &QWidget::hide, Qt::QueuedConnection);
        return;
    }
    QPainter painter(this);
    painter.drawImage(0, 0, picture_);
}

void PullTabWindow::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

// A click is a press and a release over the tab, as with a button.
void PullTabWindow::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) {
        emit clicked();
    }
}
