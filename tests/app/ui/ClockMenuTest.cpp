#include <gtest/gtest.h>

#include "app/ClockMenu.h"

namespace {
QStringList captions(const QMenu* menu) {
    QStringList out;
    for (const QAction* action : menu->actions()) {
        out << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return out;
}
}  // namespace

TEST(ClockMenu, TheTreeAndItsRussianCaptions) {
    ClockMenu menu;
    EXPECT_EQ(captions(&menu),
              (QStringList{"Добавить", "-", "Настройки", "-", "Помощь", "-", "Выход"}));
    EXPECT_EQ(captions(menu.item(MenuItem::AddMenu)->menu()),
              (QStringList{"Напоминание", "Запуск", "-", "Праздники"}));
    EXPECT_EQ(captions(menu.item(MenuItem::SettingsMenu)->menu()),
              (QStringList{"Язык", "Обложки", "Автозапуск", "Другие..."}));
    EXPECT_EQ(captions(menu.item(MenuItem::HelpMenu)->menu()),
              (QStringList{"Справка", "-", "О программе"}));
    // The about box takes its caption from position 4, item 2.
    EXPECT_EQ(menu.actions()[4]->menu()->actions()[2], menu.item(MenuItem::About));
}

TEST(ClockMenu, ItemsWithoutAnActionStayVisibleButDisabled) {
    ClockMenu menu;
    EXPECT_FALSE(menu.item(MenuItem::AddReminder)->isEnabled());
    EXPECT_TRUE(menu.item(MenuItem::AddReminder)->isVisible());
    int runs = 0;
    menu.setAction(MenuItem::AddReminder, [&] { ++runs; });
    EXPECT_TRUE(menu.item(MenuItem::AddReminder)->isEnabled());
    menu.item(MenuItem::AddReminder)->trigger();
    EXPECT_EQ(runs, 1);
    menu.setAction(MenuItem::AddReminder, {});
    EXPECT_FALSE(menu.item(MenuItem::AddReminder)->isEnabled());
    menu.item(MenuItem::AddReminder)->trigger();
    EXPECT_EQ(runs, 1);
}
