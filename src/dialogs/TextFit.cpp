#include "dialogs/TextFit.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace textfit {
namespace {

const char* const kBaseFont = "textfit.baseFont";

// The room a control gives its text, and whether it wraps it.
bool textRoom(const QWidget* control, QRect* room, QString* text, bool* wrap) {
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        if (!label->pixmap().isNull()) {
            return false;
        }
        const int margin = label->margin();
        *room = label->contentsRect().adjusted(margin, margin, -margin, -margin);
        *text = label->text();
        *wrap = label->wordWrap();
        return true;
    }
    if (const auto* box = qobject_cast<const QCheckBox*>(control)) {
        QStyleOptionButton option;
        option.initFrom(box);
        *room = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
        *text = box->text();
        *wrap = false;
        return true;
    }
    if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        *room = button->rect().adjusted(4, 2, -4, -2);  // bevel and focus frame
        *text = button->text();
        *wrap = false;
        return true;
    }
    return false;
}

}  // namespace

bool fits(const QFont& font, const QRect& room, const QString& text, bool wrap) {
    const QFontMetrics metrics(font);
    const QRect needed =
        metrics.boundingRect(QRect(0, 0, room.width(), 100000), wrap ? Qt::TextWordWrap : 0, text);
    return needed.width() <= room.width() && needed.height() <= room.height();
}

QFont fitted(const QFont& font, const QRect& room, const QString& text, bool wrap) {
    if (fits(font, room, text, wrap)) {
        return font;
    }
    QFont smaller = font;
    for (int size = QFontInfo(font).pixelSize() - 1; size >= kSmallestPixelSize; --size) {
        smaller.setPixelSize(size);
        if (fits(smaller, room, text, wrap)) {
            break;
        }
    }
    return smaller;
}

void fitControl(QWidget* control) {
    QRect room;
    QString text;
    bool wrap = false;
    if (control->property("fitsItself").toBool() || !textRoom(control, &room, &text, &wrap)) {
        return;
    }
    text.remove(QLatin1Char('&'));
    if (text.isEmpty()) {
        return;
    }
    // Start from the font the control was given, so a shorter text in
    // another language gets the full size back.
    QVariant base = control->property(kBaseFont);
    if (!base.isValid()) {
        base = control->font();
        control->setProperty(kBaseFont, base);
    }
    const QFont font = fitted(base.value<QFont>(), room, text, wrap);
    if (font != control->font()) {
        control->setFont(font);
    }
}

void fitControls(QWidget* window) {
    for (QWidget* child : window->findChildren<QWidget*>()) {
        fitControl(child);
    }
}

}  // namespace textfit
