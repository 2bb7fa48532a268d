#pragma once

#include <QCheckBox>
#include <QFont>
#include <QStringList>
#include <optional>

// A check box whose caption breaks into lines at word boundaries to fit its
// width, as a long caption from a language file needs; where the lines are
// still too many or a word too long, the font gets smaller until it fits,
// keeping clear of the frame above and below.
class WrappingCheckBox : public QCheckBox {
    Q_OBJECT
  public:
    explicit WrappingCheckBox(const QString& text, QWidget* parent = nullptr);

    // The caption as given, without the breaks put in to fit.
    const QString& caption() const { return caption_; }
    void setCaption(const QString& text);

    // The largest pixel size the caption may take, so that it shrinks with
    // the other texts of its form; none lets it take its own font's size.
    void setSizeCap(std::optional<int> pixelSize);
    int designedPixelSize() const;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    static constexpr int kSmallestPixelSize = 7;
    static constexpr int kClearance = 3;  // from the frame above and below

    void wrap();
    QStringList lines(const QFontMetrics& metrics, int room) const;

    QString caption_;
    std::optional<QFont> baseFont_;  // the font given before any fitting
    std::optional<int> sizeCap_;
};
