#pragma once

class QWidget;

// Tells an activation that only ends one of the dialog's own modal boxes (a
// refusal message, the file chooser) from one that brings the dialog back
// from another window. The editors re-initialise their fields on the second
// kind only, so a refusal never wipes what the user was correcting.
class ModalReturn {
  public:
    // On deactivation: the window taking over is a modal box above `dialog`.
    void deactivated(const QWidget* dialog);
    // On activation: true, once, when the dialog comes back from such a box.
    bool returning();

  private:
    bool lent_ = false;
};
