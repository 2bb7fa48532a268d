#pragma once

#include <QAccessibleApplication>
#include <QObjectList>

// The application as a screen reader sees it: its windows, and the popup
// menus open now. Qt leaves popups out of the application's children, so a
// menu opened over a window without a menu bar (the clock's own menu, a
// list's context menu) is nowhere in the tree, and a reader that looks for
// it there finds nothing. Qt already gives such a menu the application as
// its parent; here the application owns it as a child too, while it is open.
// Its submenus hang under their items, as Qt has them.
class ApplicationAccessible : public QAccessibleApplication {
  public:
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;

  private:
    QObjectList openMenus() const;
};
