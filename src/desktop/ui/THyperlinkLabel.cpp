#include "desktop/ui/THyperlinkLabel.h"

#include <QMouseEvent>

#include "platform/Platform.h"

THyperlinkLabel::THyperlinkLabel(Platform& platform, QWidget* parent)
    : QLabel(parent), platform_(platform) {
    setCursor(Qt::PointingHandCursor);
    applyFontState();
}

const TStyleFont& THyperlinkLabel::currentStyle() const {
    if (down_) {
        return fontDown_;
    }
    return hot_ ? fontActive_ : fontNormal_;
}

void THyperlinkLabel::applyFontState() {
    const TStyleFont& look = currentStyle();
    QFont f = font();
    f.setBold(look.Style & TStyleFont::Bold);
    f.setItalic(look.Style & TStyleFont::Italic);
    f.setUnderline(look.Style & TStyleFont::Underline);
    f.setStrikeOut(look.Style & TStyleFont::StrikeOut);
    setFont(f);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, look.Color);
    setPalette(p);
    // The new look shows at once, not after the click's work is done.
    if (isVisible()) {
        repaint();
    }
}

void THyperlinkLabel::openLink() {
    if (kind_ == THyperlinkLabelKind::hlWWW) {
        url_ = hyperlink::webAddress(url_);
        platform_.shellOpen(url_, ShowMode::Maximised);
    } else {
        platform_.shellOpen(hyperlink::mailtoText(email_), ShowMode::Normal);
    }
}

void THyperlinkLabel::enterEvent(QEnterEvent* e) {
    hot_ = true;
    applyFontState();
    QLabel::enterEvent(e);
}

void THyperlinkLabel::leaveEvent(QEvent* e) {
    hot_ = false;
    applyFontState();
    QLabel::leaveEvent(e);
}

void THyperlinkLabel::mousePressEvent(QMouseEvent* e) {
    down_ = true;
    applyFontState();
    e->accept();
}

void THyperlinkLabel::mouseReleaseEvent(QMouseEvent* e) {
    down_ = false;
    // While a button is held the label keeps the mouse and hears of leaving
    // only after the release, so where the release happens decides.
    hot_ = rect().contains(e->position().toPoint());
    applyFontState();
    e->accept();
    if (hot_) {
        openLink();
    }
}
