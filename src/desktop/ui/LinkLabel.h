#pragma once

#include <QColor>
#include <QLabel>

#include "desktop/LinkTarget.h"

class Platform;

// One look of a link label: a colour and a set of font styles.
struct LinkLook {
    enum StyleFlag { Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };
    QColor color;
    int style = 0;  // StyleFlag bits
};

// A label that opens a web address or a new e-mail message when clicked. It
// shows normalLook while the mouse is elsewhere, hoverLook while the mouse is
// over it and pressedLook while a button is held on it; a press that is released
// off the label opens nothing. It takes the focus from the Tab key, and
// Enter or Space then opens the link; the focus changes nothing drawn. A
// screen reader knows it as a link (LinkLabelAccessible).
class LinkLabel : public QLabel {
    Q_OBJECT
  public:
    LinkLabel(Platform& platform, QWidget* parent = nullptr);

    LinkKind kind() const { return kind_; }
    void setKind(LinkKind kind) { kind_ = kind; }
    // Kind Web: gains "http://" at the first opening and keeps it.
    const QString& url() const { return url_; }
    void setUrl(const QString& url) { url_ = url; }
    MailLink& mail() { return mail_; }
    const MailLink& mail() const { return mail_; }

    LinkLook& normalLook() { return normalLook_; }
    LinkLook& hoverLook() { return hoverLook_; }
    LinkLook& pressedLook() { return pressedLook_; }

    bool hot() const { return hot_; }
    bool down() const { return down_; }
    // Copies the look of the current state into the label's font and colour.
    void applyLook();
    // The look that the current state asks for.
    const LinkLook& currentLook() const;

    // Opens the link through the platform, as a click does.
    void openLink();

  protected:
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

  private:
    Platform& platform_;
    LinkKind kind_ = LinkKind::Web;
    QString url_;
    MailLink mail_;
    LinkLook normalLook_{QColor(Qt::blue), 0};
    LinkLook hoverLook_{QColor(Qt::red), LinkLook::Underline};
    LinkLook pressedLook_{QColor(Qt::black), 0};
    bool hot_ = false;
    bool down_ = false;
};
