#pragma once

#include <QString>

// The clock's popup menu, Russian in every language: no language file
// section covers it.
namespace menutexts {

QString addMenu();
QString reminder();
QString launch();
QString holidays();
QString settingsMenu();
QString language();
QString skins();
QString autostart();
QString otherSettings();
QString helpMenu();
QString help();
QString about();
QString exitProgram();

}  // namespace menutexts
