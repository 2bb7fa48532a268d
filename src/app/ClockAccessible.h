#pragma once

#include <QAccessibleWidget>

#include "access/ReadOnlyText.h"

class ClockWindow;

// The clock window as a screen reader knows it: one label named for the
// program, whose text is the time as the user's locale writes it and whose
// description holds the reminders still due today. Its actions give it the
// focus and open the clock's menu.
class ClockAccessible : public QAccessibleWidget, public ReadOnlyText {
  public:
    explicit ClockAccessible(ClockWindow* clock);

    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QString text(QAccessible::Text t) const override;
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    QString shownText() const override;

  private:
    ClockWindow* clock() const;
};
