#pragma once

#include <QWidget>
#include <optional>

class QLineEdit;
class QToolButton;

// The up-down arrows attached to an hour or minute field: a click steps the
// field's number by one, stops at the ends of the range (no wrap-around) and
// leaves two digits in the field. With the keyboard focus, the Up and Down
// keys do the same. A screen reader knows the arrows as a spin box named
// like their field, holding its number (UpDownArrowsAccessible).
class UpDownArrows : public QWidget {
    Q_OBJECT
  public:
    UpDownArrows(QLineEdit* field, int min, int max, QWidget* parent = nullptr);

    void stepUp() { stepBy(1); }
    void stepDown() { stepBy(-1); }

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

    QLineEdit* field() const { return field_; }
    int minimum() const { return min_; }
    int maximum() const { return max_; }
    // The field's number, or nothing while it holds none.
    std::optional<int> value() const;
    // Puts `value`, kept within the range, into the field in two digits.
    void setValue(int value);
    // What a screen reader calls the two arrows.
    void setButtonNames(const QString& up, const QString& down);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void stepBy(int delta);
    void tellValue();

    QLineEdit* field_;
    int min_;
    int max_;
    QToolButton* up_;
    QToolButton* down_;
};
