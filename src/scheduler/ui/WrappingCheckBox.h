#pragma once

#include <QCheckBox>
#include <QFont>
#include <QStringList>
#include <optional>

// A check box whose caption breaks into lines at word boundaries to fit its
// width, as a long caption from a language file needs; where the lines are
// still too many or a word too long, the font gets smaller until it fits.
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
    static constexpr int kSmallestPixelSize = 7;

    void wrap();
    QStringList lines(const QFontMetrics& metrics, int room) const;

    QString caption_;
    std::optional<QFont> baseFont_;  // the font given before any fitting
};
