#pragma once

#include <QCheckBox>

// A check box whose caption breaks into lines at word boundaries to fit its
// width, as a long caption from a language file needs.
class WrappingCheckBox : public QCheckBox {
    Q_OBJECT
  public:
    explicit WrappingCheckBox(const QString& text, QWidget* parent = nullptr);

    // The caption as given, without the breaks put in to fit.
    const QString& caption() const { return caption_; }
    void setCaption(const QString& text);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void wrap();

    QString caption_;
};
