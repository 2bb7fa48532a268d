#include "scheduler/ui/FieldLabel.h"

namespace {
constexpr int kSpacing = 3;
}

FieldLabel::FieldLabel(const QString& text, QWidget* field, QWidget* parent)
    : QLabel(text, parent), field_(field) {
    setBuddy(field);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    place();
}

void FieldLabel::setText(const QString& text) {
    QLabel::setText(text);
    place();
}

// The controls are all in place when the texts arrive, so the neighbour is
// looked for again each time.
void FieldLabel::place() {
    const QRect f = field_->geometry();
    const int height = sizeHint().height();
    const int left = leftBound();
    setGeometry(left, f.top() + (f.height() - height) / 2, qMax(1, f.left() - kSpacing - left),
                height);
}

// The first column clear of the window's edge and of the controls left of the
// field on its row.
int FieldLabel::leftBound() const {
    const QRect f = field_->geometry();
    int left = kSpacing;
    for (const QObject* child : parentWidget()->children()) {
        const auto* widget = qobject_cast<const QWidget*>(child);
        if (!widget || widget == this || widget == field_ || widget->isWindow()) {
            continue;
        }
        const QRect g = widget->geometry();
        if (g.right() < f.left() && g.top() <= f.bottom() && g.bottom() >= f.top()) {
            left = qMax(left, g.right() + 1 + kSpacing);
        }
    }
    return left;
}
