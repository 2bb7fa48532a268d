#pragma once

#include <QFrame>
#include <QWidget>
#include <functional>

// The clock window "chas": a borderless window of 191 by 191 pixels whose
// raised panel frames the face. It is part of the desktop, with no taskbar
// button (the platform marks it). Closing it ends the program.
class ClockWindow : public QWidget {
    Q_OBJECT
  public:
    ClockWindow();

    QFrame& facePanel() { return facePanel_; }

    // Right click anywhere on the window.
    std::function<void(const QPoint& globalPos)> onContextMenu;

  signals:
    void closing();

  protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    QFrame facePanel_;
};
