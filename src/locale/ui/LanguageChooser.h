#pragma once

#include "dialogs/ChooserDialog.h"

// The language chooser: the "*.lng" files of the lang folder; the choice goes
// to the settings' langFile and every window comes up in it after the restart.
class LanguageChooser : public ChooserDialog {
    Q_OBJECT
  public:
    explicit LanguageChooser(DialogContext context, QWidget* parent = nullptr);
};
