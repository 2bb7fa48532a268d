#include "dialogs/TextFit.h"

#include "dialogs/WrappingCheckBox.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <map>
#include <optional>
#include <vector>

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

namespace {

// The font `control` was designed with: the one it had when first fitted, so
// a shorter text in another language gets the full size back.
QFont designedFont(QWidget* control) {
    QVariant base = control->property(kBaseFont);
    if (!base.isValid()) {
        base = control->font();
        control->setProperty(kBaseFont, base);
    }
    return base.value<QFont>();
}

// The pixel size at which `control`'s text fits, when it has a text to fit.
std::optional<int> fittingSize(QWidget* control) {
    QRect room;
    QString text;
    bool wrap = false;
    if (control->property("fitsItself").toBool() || !textRoom(control, &room, &text, &wrap)) {
        return std::nullopt;
    }
    text.remove(QLatin1Char('&'));
    if (text.isEmpty()) {
        return std::nullopt;
    }
    return QFontInfo(fitted(designedFont(control), room, text, wrap)).pixelSize();
}

void applySize(QWidget* control, int pixelSize) {
    QFont font = designedFont(control);
    if (QFontInfo(font).pixelSize() != pixelSize) {
        font.setPixelSize(pixelSize);
    }
    if (font != control->font()) {
        control->setFont(font);
    }
}

}  // namespace

// Controls designed at one size keep one size: the one at which the longest
// of their texts fits.
void fitControls(QWidget* window) {
    std::map<int, std::vector<std::pair<QWidget*, int>>> byDesignedSize;
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (auto* box = qobject_cast<WrappingCheckBox*>(child)) {
            box->setSizeCap(std::nullopt);  // its own fit first, then the form's
            byDesignedSize[box->designedPixelSize()].emplace_back(
                child, QFontInfo(box->font()).pixelSize());
        } else if (const std::optional<int> size = fittingSize(child)) {
            byDesignedSize[QFontInfo(designedFont(child)).pixelSize()].emplace_back(child, *size);
        }
    }
    for (const auto& [designed, controls] : byDesignedSize) {
        int common = designed;
        for (const auto& [control, size] : controls) {
            common = std::min(common, size);
        }
        for (const auto& [control, size] : controls) {
            if (auto* box = qobject_cast<WrappingCheckBox*>(control)) {
                box->setSizeCap(common);
            } else {
                applySize(control, common);
            }
        }
    }
}

}  // namespace textfit
