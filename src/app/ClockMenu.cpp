#include "app/ClockMenu.h"

ClockMenu::ClockMenu(QWidget* parent) : QMenu(parent) {
    QMenu* add1 = addMenu(QStringLiteral("Добавить"));
    items_[QStringLiteral("N1")] = add1->menuAction();
    add(add1, QStringLiteral("N2"), QStringLiteral("Напоминание"));
    add(add1, QStringLiteral("N3"), QStringLiteral("Запуск"));
    items_[QStringLiteral("N17")] = add1->addSeparator();
    add(add1, QStringLiteral("N18"), QStringLiteral("Праздники"));
    items_[QStringLiteral("N4")] = addSeparator();
    QMenu* settings = addMenu(QStringLiteral("Настройки"));
    items_[QStringLiteral("N14")] = settings->menuAction();
    add(settings, QStringLiteral("N15"), QStringLiteral("Язык"));
    add(settings, QStringLiteral("N16"), QStringLiteral("Обложки"));
    add(settings, QStringLiteral("N19"), QStringLiteral("Автозапуск"));
    add(settings, QStringLiteral("N20"), QStringLiteral("Другие..."));
    items_[QStringLiteral("N13")] = addSeparator();
    QMenu* help = addMenu(QStringLiteral("Помощь"));
    items_[QStringLiteral("N5")] = help->menuAction();
    add(help, QStringLiteral("N6"), QStringLiteral("Справка"));
    items_[QStringLiteral("N7")] = help->addSeparator();
    add(help, QStringLiteral("N8"), QStringLiteral("О программе"));
    items_[QStringLiteral("N9")] = addSeparator();
    add(this, QStringLiteral("N12"), QStringLiteral("Выход"));
}

QAction* ClockMenu::add(QMenu* into, const QString& name, const QString& caption) {
    QAction* action = into->addAction(caption);
    action->setObjectName(name);
    action->setEnabled(false);
    items_[name] = action;
    return action;
}

void ClockMenu::setAction(const QString& name, std::function<void()> action) {
    QAction* item = items_.value(name);
    if (!item) {
        return;
    }
    item->disconnect(this);
    item->setEnabled(bool(action));
    if (action) {
        connect(item, &QAction::triggered, this, [action] { action(); });
    }
}
