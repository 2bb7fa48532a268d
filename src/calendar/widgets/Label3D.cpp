#include "calendar/widgets/Label3D.h"

#include <QFontMetrics>
#include <QPainter>

#include "calendar/widgets/Frame3D.h"
#include "calendar/widgets/GradientStrips.h"
#include "calendar/widgets/SystemColors.h"

Label3D::Label3D(QWidget* parent)
    : QWidget(parent),
      color_(syscolors::btnFace()),
      fontColor_(syscolors::windowText()),
      firstColor_(Qt::white),
      lastColor_(syscolors::fromBgr(0x808000)),  // teal
      highLightColor_(syscolors::btnHighlight()),
      shadowColor_(syscolors::btnShadow()),
      borderColor_(Qt::black) {}

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
void Label3D::setAlignment(Qt::Alignment alignment) {
    change(alignment_, alignment & Qt::AlignHorizontal_Mask);
}
void Label3D::setTextLayout(TextLayout layout) {
    change(layout_, layout);
}
void Label3D::setFirstColor(const QColor& color) {
    change(firstColor_, color);
}
void Label3D::setLastColor(const QColor& color) {
    change(lastColor_, color);
}
void Label3D::setFillGradient(bool on) {
    change(fillGradient_, on);
}
void Label3D::setGradientOrientation(GradientOrientation orientation) {
    change(gradientOrientation_, orientation);
}
void Label3D::setHighLightColor(const QColor& color) {
    change(highLightColor_, color);
}
void Label3D::setShadowColor(const QColor& color) {
    change(shadowColor_, color);
}
void Label3D::setBevel(Label3DBevel bevel) {
    change(bevel_, bevel);
}
void Label3D::setShadowSize(quint8 size) {
    change(shadowSize_, size);
}
void Label3D::setBorderColor(const QColor& color) {
    change(borderColor_, color);
}
void Label3D::setBorderWidth(qint32 width) {
    change(borderWidth_, width);
}
void Label3D::setBorderStyle(Label3DBorderStyle style) {
    change(borderStyle_, style);
}

void Label3D::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QRect r = rect();
    drawBorder(painter, r);
    if (fillGradient_) {
        fillGradientStrips(painter, r, firstColor_, lastColor_, gradientOrientation_);
    } else {
        painter.fillRect(r, color_);
    }
    if (layout_ != TextLayout::Top) {
        const int spare = r.height() - measureText(r).height();
        if (spare > 0) {
            r.translate(0, layout_ == TextLayout::Bottom ? spare : spare / 2);
        }
    }
    drawCaption(painter, r);
}

void Label3D::drawBorder(QPainter& painter, QRect& r) const {
    const QColor highlight = syscolors::btnHighlight();
    const QColor shadow = syscolors::btnShadow();
    switch (borderStyle_) {
        case Label3DBorderStyle::None:
            break;
        case Label3DBorderStyle::Normal:
            drawFrame3D(painter, r, borderColor_, borderColor_, borderWidth_);
            break;
        case Label3DBorderStyle::Lowered:
            drawFrame3D(painter, r, shadow, highlight, borderWidth_);
            break;
        case Label3DBorderStyle::Raised:
            drawFrame3D(painter, r, highlight, shadow, borderWidth_);
            break;
    }
}

int Label3D::textFlags() const {
    return int(alignment_) | Qt::AlignTop | Qt::TextWordWrap | Qt::TextExpandTabs;
}

// An empty caption still takes one line.
QRect Label3D::measureText(const QRect& r) const {
    const QString text = caption_.isEmpty() ? QStringLiteral(" ") : caption_;
    return QFontMetrics(font()).boundingRect(r, textFlags(), text);
}

void Label3D::drawCaption(QPainter& painter, const QRect& r) const {
    const int flags = textFlags();
    const int s = shadowSize_;
    painter.setFont(font());
    auto copy = [&](int offset, const QColor& colour) {
        painter.setPen(colour);
        painter.drawText(r.translated(offset, offset), flags, caption_);
    };
    const bool enabled = isEnabled();
    // Copies with no offset would lie exactly under the caption and add
    // nothing but their colours in its antialiased edges: plain text then.
    const Label3DBevel bevel = s == 0 ? Label3DBevel::None : bevel_;
    switch (bevel) {
        case Label3DBevel::None:
            break;
        case Label3DBevel::Lowered:
            if (enabled) {
                copy(-s, shadowColor_);
            }
            copy(s, highLightColor_);
            break;
        case Label3DBevel::Raised:
            if (enabled) {
                copy(-s, highLightColor_);
            }
            copy(s, shadowColor_);
            break;
        case Label3DBevel::Shadow:
            copy(s, shadowColor_);
            break;
    }
    copy(0, enabled ? fontColor_ : syscolors::grayText());
}
