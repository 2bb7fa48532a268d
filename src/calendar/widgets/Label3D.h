#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include "calendar/widgets/Label3DStyles.h"

class QPainter;

// A text label whose caption carries a highlight-and-shadow bevel, inside an
// optional 3-D border, over a solid or a two-colour gradient background. The
// caption always wraps at word boundaries. Every setter ignores the value the
// label already has and repaints for a new one. Qt's fonts carry no colour,
// so the text colour is a property of its own.
class Label3D : public QWidget {
    Q_OBJECT
  public:
    explicit Label3D(QWidget* parent = nullptr);

    // What the label shows, and how.
    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    const QColor& color() const { return color_; }  // the background
    void setColor(const QColor& color);
    const QColor& fontColor() const { return fontColor_; }
    void setFontColor(const QColor& color);
    Qt::Alignment alignment() const { return alignment_; }  // left, right or centre
    void setAlignment(Qt::Alignment alignment);
    TextLayout textLayout() const { return layout_; }
    void setTextLayout(TextLayout layout);

    // The 3-D look.
    const QColor& firstColor() const { return firstColor_; }
    void setFirstColor(const QColor& color);
    const QColor& lastColor() const { return lastColor_; }
    void setLastColor(const QColor& color);
    bool fillGradient() const { return fillGradient_; }
    void setFillGradient(bool on);
    GradientOrientation gradientOrientation() const { return gradientOrientation_; }
    void setGradientOrientation(GradientOrientation orientation);
    const QColor& highLightColor() const { return highLightColor_; }
    void setHighLightColor(const QColor& color);
    const QColor& shadowColor() const { return shadowColor_; }
    void setShadowColor(const QColor& color);
    Label3DBevel bevel() const { return bevel_; }
    void setBevel(Label3DBevel bevel);
    quint8 shadowSize() const { return shadowSize_; }
    void setShadowSize(quint8 size);
    const QColor& borderColor() const { return borderColor_; }
    void setBorderColor(const QColor& color);
    qint32 borderWidth() const { return borderWidth_; }
    void setBorderWidth(qint32 width);
    Label3DBorderStyle borderStyle() const { return borderStyle_; }
    void setBorderStyle(Label3DBorderStyle style);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    template <typename T>
    void change(T& member, const T& value);

    int textFlags() const;
    QRect measureText(const QRect& r) const;
    void drawCaption(QPainter& painter, const QRect& r) const;
    void drawBorder(QPainter& painter, QRect& r) const;

    QString caption_;
    QColor color_;
    QColor fontColor_;
    Qt::Alignment alignment_ = Qt::AlignLeft;
    TextLayout layout_ = TextLayout::Top;

    QColor firstColor_;
    QColor lastColor_;
    bool fillGradient_ = false;
    GradientOrientation gradientOrientation_ = GradientOrientation::Horizontal;
    QColor highLightColor_;
    QColor shadowColor_;
    Label3DBevel bevel_ = Label3DBevel::Raised;
    quint8 shadowSize_ = 1;
    QColor borderColor_;
    qint32 borderWidth_ = 1;
    Label3DBorderStyle borderStyle_ = Label3DBorderStyle::None;
};
