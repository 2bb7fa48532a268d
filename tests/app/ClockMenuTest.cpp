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
    EXPECT_EQ(captions(menu.item("N1")->menu()),
              (QStringList{"Напоминание", "Запуск", "-", "Праздники"}));
    EXPECT_EQ(captions(menu.item("N14")->menu()),
              (QStringList{"Язык", "Обложки", "Автозапуск", "Другие..."}));
    EXPECT_EQ(captions(menu.item("N5")->menu()), (QStringList{"Справка", "-", "О программе"}));
    // The about box takes its caption from position 4, item 2.
    EXPECT_EQ(menu.actions()[4]->menu()->actions()[2], menu.item("N8"));
}

TEST(ClockMenu, ItemsWithoutAnActionStayVisibleButDisabled) {
    ClockMenu menu;
    EXPECT_FALSE(menu.item("N2")->isEnabled());
    EXPECT_TRUE(menu.item("N2")->isVisible());
    int runs = 0;
    menu.setAction("N2", [&] { ++runs; });
    EXPECT_TRUE(menu.item("N2")->isEnabled());
    menu.item("N2")->trigger();
    EXPECT_EQ(runs, 1);
    menu.setAction("N2", {});
    EXPECT_FALSE(menu.item("N2")->isEnabled());
    menu.item("N2")->trigger();
    EXPECT_EQ(runs, 1);
}
