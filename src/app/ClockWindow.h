#pragma once

#include <QFrame>
#include <QWidget>
#include <functional>

// The clock window "chas": a borderless window of 191 by 191 pixels whose
// raised panel frames the face. It is part of the desktop, with no taskbar
// button (the platform marks it). Closing it ends the program.
//
// It takes the keyboard focus when it is clicked or raised by a second start
// (never by being shown), so that the menu key opens its menu and a screen
// reader reads it: the program's name, the time and the day's reminders.
class ClockWindow : public QWidget {
    Q_OBJECT
  public:
    ClockWindow();

    QFrame& facePanel() { return facePanel_; }

    // Right click anywhere on the window, or the menu key while it has the
    // focus: a menu opened from the keyboard starts on its first item.
    std::function<void(const QPoint& globalPos, bool fromKeyboard)> onContextMenu;
    // Opens the menu as the menu key does, at the middle of the window.
    void openMenu();

    // What a screen reader is told: the time as the user's locale writes it,
    // and the reminders still due today (empty for none).
    std::function<QString()> spokenTime;
    std::function<QString()> spokenReminders;

  signals:
    void closing();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QFrame facePanel_;
};
