#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// The up-down arrows attached to an hour or minute field: a click steps the
// field's number by one, stops at the ends of the range (no wrap-around) and
// leaves two digits in the field. With the keyboard focus, the Up and Down
// keys do the same.
class UpDownArrows : public QWidget {
    Q_OBJECT
  public:
    UpDownArrows(QLineEdit* field, int min, int max, QWidget* parent = nullptr);

    void stepUp() { stepBy(1); }
    void stepDown() { stepBy(-1); }

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void stepBy(int delta);

    QLineEdit* field_;
    int min_;
    int max_;
    QToolButton* up_;
    QToolButton* down_;
};
