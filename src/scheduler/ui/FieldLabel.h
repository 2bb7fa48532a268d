#pragma once

#include <QLabel>

// The caption on the left of an edit field: it keeps its right edge a few
// pixels before the field and its middle on the field's middle, whatever
// length the language file gives its text.
class FieldLabel : public QLabel {
    Q_OBJECT
  public:
    FieldLabel(const QString& text, QWidget* field, QWidget* parent);

    void setText(const QString& text);

  private:
    void place();

    QWidget* field_;
};
