#pragma once

#include <QColor>
#include <QWidget>

// A plain panel: a solid colour inside a one-pixel raised bevel (lit top and
// left, shaded bottom and right), drawn like the Label3D frames.
class RaisedPanel : public QWidget {
    Q_OBJECT
  public:
    explicit RaisedPanel(QWidget* parent = nullptr);

    const QColor& color() const { return color_; }
    void setColor(const QColor& color);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor color_;
};
