#pragma once

#include <QAccessibleWidget>

class UpDownArrows;

// The up-down arrows of an hour or minute field as a screen reader knows
// them: a spin box named like the field, whose value is the field's number
// within the arrows' range. Its two children are the arrows themselves.
class UpDownArrowsAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit UpDownArrowsAccessible(UpDownArrows* arrows);

    QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override { return 1; }

  private:
    UpDownArrows* arrows() const;
};
