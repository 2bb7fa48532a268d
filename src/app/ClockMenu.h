#pragma once

#include <QMap>
#include <QMenu>
#include <functional>

// The clock's popup menu `pm`. Its captions are the program's own and stay
// Russian in every language. An item whose action is not set stays visible
// but disabled.
class ClockMenu : public QMenu {
    Q_OBJECT
  public:
    explicit ClockMenu(QWidget* parent = nullptr);

    // Items by name: N1 "Добавить" ... N12 "Выход".
    QAction* item(const QString& name) const { return items_.value(name); }
    void setAction(const QString& name, std::function<void()> action);

  private:
    QAction* add(QMenu* into, const QString& name, const QString& caption);

    QMap<QString, QAction*> items_;
};
