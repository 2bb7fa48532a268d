#pragma once

#include <QLabel>

// The caption on the left of an edit field: its text ends a few pixels before
// the field, its middle on the field's middle, whatever length the language
// file gives it. The label takes the room from the nearest control on its
// left (or the window's edge) up to the field, so a text too long for that
// room gets a smaller font from the text fit rather than running into the
// neighbour.
class FieldLabel : public QLabel {
    Q_OBJECT
  public:
    FieldLabel(const QString& text, QWidget* field, QWidget* parent);

    void setText(const QString& text);

  private:
    void place();
    int leftBound() const;

    QWidget* field_;
};
