#pragma once

#include <QAccessibleWidget>

class PullTabWindow;

// The pull tab as a screen reader knows it: a push button named for what a
// press does (hide the clock, or show it again), whose press action slides
// the clock as a click on the tab does.
class PullTabAccessible : public QAccessibleWidget {
  public:
    explicit PullTabAccessible(PullTabWindow* tab);

    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    PullTabWindow* tab() const;
};
