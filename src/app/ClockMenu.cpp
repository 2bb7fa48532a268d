#include "app/ClockMenu.h"

#include "texts/MenuTexts.h"

ClockMenu::ClockMenu(QWidget* parent) : QMenu(parent) {
    QMenu* addMenu = this->addMenu(menutexts::addMenu());
    items_[MenuItem::AddMenu] = addMenu->menuAction();
    add(addMenu, MenuItem::AddReminder, menutexts::reminder());
    add(addMenu, MenuItem::AddLaunch, menutexts::launch());
    items_[MenuItem::AddSeparator] = addMenu->addSeparator();
    add(addMenu, MenuItem::Holidays, menutexts::holidays());
    items_[MenuItem::SettingsSeparator] = addSeparator();
    QMenu* settings = this->addMenu(menutexts::settingsMenu());
    items_[MenuItem::SettingsMenu] = settings->menuAction();
    add(settings, MenuItem::Language, menutexts::language());
    add(settings, MenuItem::Skins, menutexts::skins());
    add(settings, MenuItem::Autostart, menutexts::autostart());
    add(settings, MenuItem::OtherSettings, menutexts::otherSettings());
    items_[MenuItem::HelpSeparator] = addSeparator();
    QMenu* help = this->addMenu(menutexts::helpMenu());
    items_[MenuItem::HelpMenu] = help->menuAction();
    add(help, MenuItem::Help, menutexts::help());
    items_[MenuItem::AboutSeparator] = help->addSeparator();
    add(help, MenuItem::About, menutexts::about());
    items_[MenuItem::ExitSeparator] = addSeparator();
    add(this, MenuItem::Exit, menutexts::exitProgram());
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
