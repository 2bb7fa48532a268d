#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

// The calendar's month line: a caption centred at the top of a solid fill
// inside a one-pixel raised bevel, wrapping at word boundaries. Every setter
// ignores the value the label already has and repaints for a new one. Qt's
// fonts carry no colour, so the text colour is a property of its own.
class Label3D : public QWidget {
    Q_OBJECT
  public:
    explicit Label3D(QWidget* parent = nullptr);

    const QString& caption() const { return caption_; }
    void setCaption(const QString& caption);
    const QColor& color() const { return color_; }  // the fill
    void setColor(const QColor& color);
    const QColor& fontColor() const { return fontColor_; }
    void setFontColor(const QColor& color);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    template <typename T>
    void change(T& member, const T& value);

    QString caption_;
    QColor color_;
    QColor fontColor_;
};
