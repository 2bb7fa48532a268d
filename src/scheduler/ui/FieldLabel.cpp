#include "scheduler/ui/FieldLabel.h"

namespace {
constexpr int kSpacing = 3;
}

FieldLabel::FieldLabel(const QString& text, QWidget* field, QWidget* parent)
    : QLabel(text, parent), field_(field) {
    setBuddy(field);
    place();
}

void FieldLabel::setText(const QString& text) {
    QLabel::setText(text);
    place();
}

void FieldLabel::place() {
    const QSize size = sizeHint();
    const QRect f = field_->geometry();
    setGeometry(f.left() - kSpacing - size.width(), f.top() + (f.height() - size.height()) / 2,
                size.width(), size.height());
}
