#include "app/ClockMenu.h"

ClockMenu::ClockMenu(QWidget* parent) : QMenu(parent) {
    QMenu* addMenu = this->addMenu(QStringLiteral("Добавить"));
    items_[MenuItem::AddMenu] = addMenu->menuAction();
    add(addMenu, MenuItem::AddReminder, QStringLiteral("Напоминание"));
    add(addMenu, MenuItem::AddLaunch, QStringLiteral("Запуск"));
    items_[MenuItem::AddSeparator] = addMenu->addSeparator();
    add(addMenu, MenuItem::Holidays, QStringLiteral("Праздники"));
    items_[MenuItem::SettingsSeparator] = addSeparator();
    QMenu* settings = this->addMenu(QStringLiteral("Настройки"));
    items_[MenuItem::SettingsMenu] = settings->menuAction();
    add(settings, MenuItem::Language, QStringLiteral("Язык"));
    add(settings, MenuItem::Skins, QStringLiteral("Обложки"));
    add(settings, MenuItem::Autostart, QStringLiteral("Автозапуск"));
    add(settings, MenuItem::OtherSettings, QStringLiteral("Другие..."));
    items_[MenuItem::HelpSeparator] = addSeparator();
    QMenu* help = this->addMenu(QStringLiteral("Помощь"));
    items_[MenuItem::HelpMenu] = help->menuAction();
    add(help, MenuItem::Help, QStringLiteral("Справка"));
    items_[MenuItem::AboutSeparator] = help->addSeparator();
    add(help, MenuItem::About, QStringLiteral("О программе"));
    items_[MenuItem::ExitSeparator] = addSeparator();
    add(this, MenuItem::Exit, QStringLiteral("Выход"));
}

QAction* ClockMenu::add(QMenu* into, MenuItem which, const QString& caption) {
    QAction* action = into->addAction(caption);
    action->setEnabled(false);
    items_[which] = action;
    return action;
}

void ClockMenu::setAction(MenuItem which, std::function<void()> action) {
    QAction* item = items_.value(which);
    if (!item) {
        return;
    }
    item->disconnect(this);
    item->setEnabled(bool(action));
    if (action) {
        connect(item, &QAction::triggered, this, [action] { action(); });
    }
}
