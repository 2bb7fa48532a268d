#pragma once

#include <functional>
#include <memory>

#include "app/ClockMenu.h"
#include "calendar/ui/HolidayEditor.h"
#include "desktop/ui/AboutBox.h"
#include "desktop/ui/AutostartDialog.h"
#include "desktop/ui/SkinChooser.h"
#include "dialogs/DialogContext.h"
#include "locale/ui/LanguageChooser.h"
#include "scheduler/ui/LaunchEditor.h"
#include "scheduler/ui/OtherSettingsDialog.h"
#include "scheduler/ui/ReminderEditor.h"

class ClockDialog;
class HelpViewer;

// The dialogs of the clock's menu and the help window. Each is made on first
// use: most runs never open most dialogs, and their widgets, with the library
// code that builds them, would take memory from the start. Each is still
// made once and kept, so it reopens as the user left it.
class MenuDialogs {
  public:
    // `aboutCaption`: the menu item's text, which the about box takes as its
    // caption.
    MenuDialogs(DialogContext& context, std::function<QString()> aboutCaption);
    ~MenuDialogs();

    // The autostart dialog fixes its texts and the startup folder when it is
    // made, so it is made with the other windows at start-up.
    void makeAutostartDialog();

    // The dialog of an item that opens one, made now if not yet.
    ClockDialog& dialog(MenuItem item);
    // The dialog a menu item opens; null for items that open none and for a
    // dialog not opened yet.
    QWidget* madeFor(MenuItem item) const;

    // The help window at a topic, made on the first call.
    void showHelp(int topic);
    QString helpFile() const;

  private:
    DialogContext& context_;
    std::function<QString()> aboutCaption_;
    std::unique_ptr<LanguageChooser> languageChooser_;
    std::unique_ptr<SkinChooser> skinChooser_;
    std::unique_ptr<HolidayEditor> holidayEditor_;
    std::unique_ptr<ReminderEditor> reminderEditor_;
    std::unique_ptr<AutostartDialog> autostartDialog_;
    std::unique_ptr<LaunchEditor> launchEditor_;
    std::unique_ptr<OtherSettingsDialog> otherSettings_;
    std::unique_ptr<AboutBox> aboutBox_;
    std::unique_ptr<HelpViewer> help_;
};
