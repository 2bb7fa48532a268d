#pragma once

#include <QImage>
#include <functional>

#include "dialogs/ClockDialog.h"
#include "dialogs/DialogContext.h"

class QLabel;
class QListWidget;
class PictureView;
class LinkLabel;

// The about box: the version, a small picture, the acknowledgements and the
// links to write to us and to visit the home page. Its texts are the same in
// every language; its caption is the text of the menu item that opens it.
class AboutBox : public ClockDialog {
    Q_OBJECT
  public:
    // `caption` gives the current text of the clock menu's about item.
    AboutBox(DialogContext context, std::function<QString()> caption, QWidget* parent = nullptr);

    QLabel* versionLabel() const { return versionLabel_; }
    PictureView* picture() const { return picture_; }
    QListWidget* acknowledgements() const { return acknowledgementList_; }
    LinkLabel* emailLink() const { return emailLink_; }
    LinkLabel* webLink() const { return webLink_; }

    // The picture kept with the program; empty when it cannot be decoded.
    static QImage aboutPicture();

  protected:
    void activated() override;
    // The caption is there as soon as the box is, even where no window
    // manager activates it.
    void showEvent(QShowEvent* event) override;

  private:
    void takeCaption();
    std::function<QString()> caption_;
    QLabel* versionLabel_;
    PictureView* picture_;
    QListWidget* acknowledgementList_;
    LinkLabel* emailLink_;
    LinkLabel* webLink_;
};
