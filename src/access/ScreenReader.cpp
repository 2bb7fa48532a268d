#include "access/ScreenReader.h"

#include <QAccessible>

namespace screenreader {
namespace {

class Switch : public QAccessible::ActivationObserver {
  public:
    Switch() : on_(QAccessible::isActive()) { QAccessible::installActivationObserver(this); }
    void accessibilityActiveChanged(bool active) override { on_ = active; }
    bool on() const { return on_; }

  private:
    bool on_;
};

const Switch& followed() {
    // Kept to the very end: Qt may throw its switch while it shuts down.
    static const Switch* const instance = new Switch;
    return *instance;
}

}  // namespace

void follow() {
    followed();
}

bool listening() {
    return followed().on();
}

}  // namespace screenreader
