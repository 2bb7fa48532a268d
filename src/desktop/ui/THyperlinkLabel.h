#pragma once

#include <QColor>
#include <QLabel>

#include "desktop/HyperlinkTarget.h"

class Platform;

// One look of a link label: a colour and a set of font styles.
struct TStyleFont {
    enum StyleFlag { Bold = 1, Italic = 2, Underline = 4, StrikeOut = 8 };
    QColor Color;
    int Style = 0;  // StyleFlag bits
};

// A label that opens a web address or a new e-mail message when clicked. It
// shows FontNormal while the mouse is elsewhere, FontActive while the mouse is
// over it and FontDown while a button is held on it; a press that is released
// off the label opens nothing.
class THyperlinkLabel : public QLabel {
    Q_OBJECT
  public:
    THyperlinkLabel(Platform& platform, QWidget* parent = nullptr);

    THyperlinkLabelKind kind() const { return kind_; }
    void setKind(THyperlinkLabelKind kind) { kind_ = kind; }
    // Kind hlWWW: gains "http://" at the first opening and keeps it.
    const QString& URL() const { return url_; }
    void setURL(const QString& url) { url_ = url; }
    TEmailParams& Email() { return email_; }
    const TEmailParams& Email() const { return email_; }

    TStyleFont& FontNormal() { return fontNormal_; }
    TStyleFont& FontActive() { return fontActive_; }
    TStyleFont& FontDown() { return fontDown_; }

    bool hot() const { return hot_; }
    bool down() const { return down_; }
    // Copies the look of the current state into the label's font and colour.
    void applyFontState();
    // The look that the current state asks for.
    const TStyleFont& currentStyle() const;

    // Opens the link through the platform, as a click does.
    void openLink();

  protected:
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

  private:
    Platform& platform_;
    THyperlinkLabelKind kind_ = THyperlinkLabelKind::hlWWW;
    QString url_;
    TEmailParams email_;
    TStyleFont fontNormal_{QColor(Qt::blue), 0};
    TStyleFont fontActive_{QColor(Qt::red), TStyleFont::Underline};
    TStyleFont fontDown_{QColor(Qt::black), 0};
    bool hot_ = false;
    bool down_ = false;
};
