#include "dialogs/WrappingCheckBox.h"

#include <QFontInfo>
#include <QStyle>
#include <QStyleOptionButton>
#include <climits>

WrappingCheckBox::WrappingCheckBox(const QString& text, QWidget* parent)
    : QCheckBox(parent), caption_(text) {
    setProperty("fitsItself", true);
    setAccessibleName(caption_);  // read as one line, without the breaks put in to fit
    wrap();
}

void WrappingCheckBox::setCaption(const QString& text) {
    caption_ = text;
    setAccessibleName(caption_);
    wrap();
}

void WrappingCheckBox::setSizeCap(std::optional<int> pixelSize) {
    if (sizeCap_ != pixelSize) {
        sizeCap_ = pixelSize;
        wrap();
    }
}

int WrappingCheckBox::designedPixelSize() const {
    return QFontInfo(baseFont_.value_or(font())).pixelSize();
}

void WrappingCheckBox::resizeEvent(QResizeEvent* event) {
    QCheckBox::resizeEvent(event);
    wrap();
}

// The caption broken at word boundaries into lines no wider than `room`.
QStringList WrappingCheckBox::lines(const QFontMetrics& metrics, int room) const {
    QStringList out;
    QString current;
    for (const QString& word : caption_.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString longer = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
        if (!current.isEmpty() && metrics.horizontalAdvance(longer) > room) {
            out << current;
            current = word;
        } else {
            current = longer;
        }
    }
    if (!current.isEmpty()) {
        out << current;
    }
    return out;
}

// The largest font, up to the one the box was given and the cap, at which the
// wrapped caption fits the box's height and no single word is wider than its
// room.
void WrappingCheckBox::wrap() {
    QStyleOptionButton option;
    initStyleOption(&option);
    const int indicator = style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, this) +
                          style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, this);
    const int room = qMax(1, width() - indicator - 2);
    if (!baseFont_) {
        baseFont_ = font();
    }
    QFont candidate = *baseFont_;
    QStringList wrapped;
    const int largest = qMin(QFontInfo(candidate).pixelSize(), sizeCap_.value_or(INT_MAX));
    for (int size = largest; size >= kSmallestPixelSize; --size) {
        candidate.setPixelSize(size);
        const QFontMetrics metrics(candidate);
        wrapped = lines(metrics, room);
        int widest = 0;
        for (const QString& line : wrapped) {
            widest = qMax(widest, metrics.horizontalAdvance(line));
        }
        if (widest <= room && metrics.height() * wrapped.size() <= height() - 2 * kClearance) {
            break;
        }
    }
    if (candidate != font()) {
        setFont(candidate);
    }
    setText(wrapped.join(QLatin1Char('\n')));
}
