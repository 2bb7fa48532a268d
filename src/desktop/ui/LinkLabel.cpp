#include "desktop/ui/LinkLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "platform/Platform.h"

LinkLabel::LinkLabel(Platform& platform, QWidget* parent) : QLabel(parent), platform_(platform) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    applyLook();
}

const LinkLook& LinkLabel::currentLook() const {
    if (down_) {
        return pressedLook_;
    }
    return hot_ ? hoverLook_ : normalLook_;
}

void LinkLabel::applyLook() {
    const LinkLook& look = currentLook();
    QFont f = font();
    f.setBold(look.style & LinkLook::Bold);
    f.setItalic(look.style & LinkLook::Italic);
    f.setUnderline(look.style & LinkLook::Underline);
    f.setStrikeOut(look.style & LinkLook::StrikeOut);
    setFont(f);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, look.color);
    setPalette(p);
    // The new look shows at once, not after the click's work is done.
    if (isVisible()) {
        repaint();
    }
}

void LinkLabel::openLink() {
    if (kind_ == LinkKind::Web) {
        url_ = hyperlink::webAddress(url_);
        platform_.shellOpen(url_, ShowMode::Maximised);
    } else {
        platform_.shellOpen(hyperlink::mailtoText(mail_), ShowMode::Normal);
    }
}

void LinkLabel::enterEvent(QEnterEvent* e) {
    hot_ = true;
    applyLook();
    QLabel::enterEvent(e);
}

void LinkLabel::leaveEvent(QEvent* e) {
    hot_ = false;
    applyLook();
    QLabel::leaveEvent(e);
}

void LinkLabel::mousePressEvent(QMouseEvent* e) {
    down_ = true;
    applyLook();
    e->accept();
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* e) {
    down_ = false;
    // While a button is held the label keeps the mouse and hears of leaving
    // only after the release, so where the release happens decides.
    hot_ = rect().contains(e->position().toPoint());
    applyLook();
    e->accept();
    if (hot_) {
        openLink();
    }
}

void LinkLabel::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Space) {
        openLink();
        return;
    }
    QLabel::keyPressEvent(e);
}
