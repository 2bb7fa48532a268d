#pragma once

#include <QImage>
#include <QWidget>

// An image control: shows its picture at the picture's own size, anchored at
// the top left corner and never scaled. A larger picture is cut off at the
// control's edges; around a smaller one the parent shows through. It tells
// when the mouse pointer enters and leaves it.
class PictureView : public QWidget {
    Q_OBJECT
  public:
    explicit PictureView(QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }

    // The picture's size, for layouts and for controls sized to their picture.
    QSize sizeHint() const override;

  signals:
    void mouseEntered();
    void mouseLeft();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    QImage picture_;
};
