#pragma once

#include "desktop/ui/ChooserDialog.h"

// The language chooser: the "*.lng" files of the lang folder; the choice goes
// to the settings' langFile and every window comes up in it after the restart.
class Tvibyaz : public ChooserDialog {
    Q_OBJECT
  public:
    explicit Tvibyaz(DialogContext context, QWidget* parent = nullptr);
};
