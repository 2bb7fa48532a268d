#pragma once

#include <QMap>
#include <QMenu>
#include <functional>

// The items of the clock's popup menu, submenus and separators among them.
enum class MenuItem {
    AddMenu,
    AddReminder,
    AddLaunch,
    AddSeparator,
    Holidays,
    SettingsSeparator,
    SettingsMenu,
    Language,
    Skins,
    Autostart,
    OtherSettings,
    HelpSeparator,
    HelpMenu,
    Help,
    AboutSeparator,
    About,
    ExitSeparator,
    Exit,
};

// The clock's popup menu. Its captions are the program's own and stay Russian
// in every language. An item whose action is not set stays visible but
// disabled.
class ClockMenu : public QMenu {
    Q_OBJECT
  public:
    explicit ClockMenu(QWidget* parent = nullptr);

    QAction* item(MenuItem which) const { return items_.value(which); }
    void setAction(MenuItem which, std::function<void()> action);

  private:
    QAction* add(QMenu* into, MenuItem which, const QString& caption);

    QMap<MenuItem, QAction*> items_;
};
