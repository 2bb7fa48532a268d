#pragma once

#include <QImage>
#include <QWidget>

#include "autohide/SlideWindows.h"
#include "locale/AccessibleTexts.h"

struct ClockState;

// The pull tab "kn": a small frameless window at the clock's left edge, shaped
// like its picture, that slides the clock away and back when clicked. Like
// the clock it has no taskbar button (the platform marks it); it stays above
// other windows and never takes the focus. Where auto-hide runs without the tab, the window
// hides itself the first time it is painted.
//
// A screen reader knows it as a push button named for what a press does,
// hiding the clock or showing it again (PullTabAccessible).
class PullTabWindow : public QWidget {
    Q_OBJECT
  public:
    // The plain tab drawn when a skin's tab picture is missing or unreadable.
    static constexpr int kPlainWidth = 12;
    static constexpr int kPlainHeight = 40;

    explicit PullTabWindow(const ClockState& state, QWidget* parent = nullptr);

    // Loads the picture, takes its size and its shape; see SlideWindows.
    void setPicture(TabPicture kind, const QString& path);
    const QImage& picture() const { return picture_; }
    // False while the plain tab stands in for a missing picture.
    bool hasSkinPicture() const { return skinPicture_; }
    // Which of the two pictures it shows: what a click will do.
    TabPicture kind() const { return kind_; }

    // What a screen reader calls the tab: "hide the clock" while it is on
    // screen, "show the clock" while it is away.
    QString spokenName() const;
    // A click, as from the mouse.
    void click() { emit clicked(); }

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    static QImage plainTab(TabPicture kind);

    const ClockState& state_;
    QImage picture_;
    bool skinPicture_ = false;
    TabPicture kind_ = TabPicture::OnScreen;
    AccessibleTexts texts_;
    bool pressed_ = false;
};
