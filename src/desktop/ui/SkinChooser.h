#pragma once

#include "dialogs/ChooserDialog.h"

// The skin chooser: the "*.skn" files of the skins folder; the choice goes to
// the settings' skinFile and the clock restarts with it.
class SkinChooser : public ChooserDialog {
    Q_OBJECT
  public:
    explicit SkinChooser(DialogContext context, QWidget* parent = nullptr);
};
