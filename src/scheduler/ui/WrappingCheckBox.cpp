#include "scheduler/ui/WrappingCheckBox.h"

#include <QStyle>
#include <QStyleOptionButton>

WrappingCheckBox::WrappingCheckBox(const QString& text, QWidget* parent)
    : QCheckBox(parent), caption_(text) {
    wrap();
}

void WrappingCheckBox::setCaption(const QString& text) {
    caption_ = text;
    wrap();
}

void WrappingCheckBox::resizeEvent(QResizeEvent* event) {
    QCheckBox::resizeEvent(event);
    wrap();
}

void WrappingCheckBox::wrap() {
    QStyleOptionButton option;
    initStyleOption(&option);
    const int indicator = style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, this) +
                          style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, this);
    const int room = qMax(1, width() - indicator - 2);
    const QFontMetrics metrics = fontMetrics();
    QStringList lines;
    QString current;
    for (const QString& word : caption_.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString longer = current.isEmpty() ? word : current + QLatin1Char(' ') + word;
        if (!current.isEmpty() && metrics.horizontalAdvance(longer) > room) {
            lines << current;
            current = word;
        } else {
            current = longer;
        }
    }
    if (!current.isEmpty()) {
        lines << current;
    }
    setText(lines.join(QLatin1Char('\n')));
}
