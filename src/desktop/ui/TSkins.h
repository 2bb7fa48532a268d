#pragma once

#include "desktop/ui/ChooserDialog.h"

// The skin chooser: the "*.skn" files of the skins folder; the choice goes to
// the settings' skinFile and the clock restarts with it.
class TSkins : public ChooserDialog {
    Q_OBJECT
  public:
    explicit TSkins(DialogContext context, QWidget* parent = nullptr);
};
