#include "scheduler/ui/UpDownArrows.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include "access/ScreenReader.h"
#include "scheduler/ScheduleTime.h"

UpDownArrows::UpDownArrows(QLineEdit* field, int min, int max, QWidget* parent)
    : QWidget(parent),
      field_(field),
      min_(min),
      max_(max),
      up_(new QToolButton(this)),
      down_(new QToolButton(this)) {
    setFocusPolicy(Qt::TabFocus);
    for (QToolButton* button : {up_, down_}) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRepeat(true);
    }
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    connect(up_, &QToolButton::clicked, this, &UpDownArrows::stepUp);
    connect(down_, &QToolButton::clicked, this, &UpDownArrows::stepDown);
}

void UpDownArrows::stepBy(int delta) {
    field_->setText(ScheduleTime::step(field_->text(), delta, min_, max_));
    tellValue();
}

std::optional<int> UpDownArrows::value() const {
    int value = 0;
    return ScheduleTime::number(field_->text(), &value) ? std::optional<int>(value) : std::nullopt;
}

void UpDownArrows::setValue(int value) {
    field_->setText(ScheduleTime::twoDigits(qBound(min_, value, max_)));
    tellValue();
}

void UpDownArrows::setButtonNames(const QString& up, const QString& down) {
    up_->setAccessibleName(up);
    down_->setAccessibleName(down);
}

void UpDownArrows::tellValue() {
    if (screenreader::listening()) {
        QAccessibleValueChangeEvent event(this, value().value_or(min_));
        QAccessible::updateAccessibility(&event);
    }
}

void UpDownArrows::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Up) {
        stepUp();
    } else if (event->key() == Qt::Key_Down) {
        stepDown();
    } else {
        QWidget::keyPressEvent(event);
    }
}

void UpDownArrows::resizeEvent(QResizeEvent*) {
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}
