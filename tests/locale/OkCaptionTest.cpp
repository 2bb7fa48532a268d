#include <gtest/gtest.h>

#include "locale/OkCaption.h"

// The OK buttons follow the script of the texts beside them, so a language
// file of any Latin-script language gets "OK" and a Cyrillic one keeps "Ок".
TEST(OkCaption, FollowsTheScriptOfTheTextBesideIt) {
    const QString latin = QStringLiteral("OK");
    const QString cyrillic = QStringLiteral("Ок");
    EXPECT_EQ(okcaption::beside(QStringLiteral("Cancel")), latin);
    EXPECT_EQ(okcaption::beside(QStringLiteral("Abbrechen")), latin);
    EXPECT_EQ(okcaption::beside(QStringLiteral("Parcourir…")), latin);
    EXPECT_EQ(okcaption::beside(QStringLiteral("Отмена")), cyrillic);
    EXPECT_EQ(okcaption::beside(QStringLiteral("Скасувати")), cyrillic);
    // A Cyrillic text with a Latin word in it is still a Cyrillic language.
    EXPECT_EQ(okcaption::beside(QStringLiteral("Отмена (Esc)")), cyrillic);
    // No letter tells no language: the program's own caption stays.
    EXPECT_EQ(okcaption::beside(QString()), cyrillic);
    EXPECT_EQ(okcaption::beside(QStringLiteral("— 1 —")), cyrillic);
}
