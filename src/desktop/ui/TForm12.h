#pragma once

#include <QImage>
#include <functional>

#include "autohide/ui/ProtocolDialog.h"
#include "config/DialogContext.h"

class QLabel;
class QListWidget;
class TJImage;
class THyperlinkLabel;

// The about box: the version, a small picture, the acknowledgements and the
// links to write to us and to visit the home page. Its texts are the same in
// every language; its caption is the text of the menu item that opens it.
class TForm12 : public ProtocolDialog {
    Q_OBJECT
  public:
    // `caption` gives the current text of the clock menu's about item.
    TForm12(DialogContext context, std::function<QString()> caption, QWidget* parent = nullptr);

    QLabel* versionLabel() const { return label1_; }
    TJImage* picture() const { return jImage1_; }
    QListWidget* acknowledgements() const { return listBox1_; }
    THyperlinkLabel* emailLink() const { return hyperlinkLabel1_; }
    THyperlinkLabel* webLink() const { return hyperlinkLabel2_; }

    // The picture kept with the program; empty when it cannot be decoded.
    static QImage aboutPicture();
    static QStringList acknowledgementLines();

  protected:
    void activated() override;

  private:
    std::function<QString()> caption_;
    QLabel* label1_;
    TJImage* jImage1_;
    QListWidget* listBox1_;
    THyperlinkLabel* hyperlinkLabel1_;
    THyperlinkLabel* hyperlinkLabel2_;
};
