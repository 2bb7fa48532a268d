#include <QCoreApplication>
#include <QLabel>
#include <QListWidget>

#include "DesktopFixture.h"
#include "clockface/ui/PictureView.h"
#include "desktop/ProjectLinks.h"
#include "desktop/ui/AboutBox.h"
#include "desktop/ui/LinkLabel.h"

namespace {

class AboutBoxTest : public DesktopFixture {
  protected:
    QString menuText = QStringLiteral("&О программе");
    AboutBox box{context, [this] { return menuText; }};
};

}  // namespace

TEST_F(AboutBoxTest, ShowsVersionPictureAcknowledgementsAndLinksInTheirPlaces) {
    EXPECT_EQ(box.size(), QSize(386, 179));
    EXPECT_EQ(box.versionLabel()->text(), QStringLiteral("Version 1.3.5"));
    EXPECT_EQ(box.versionLabel()->geometry().topLeft(), QPoint(144, 8));
    EXPECT_GE(box.versionLabel()->width(), box.versionLabel()->sizeHint().width());

    EXPECT_EQ(box.picture()->geometry(), QRect(8, 32, 99, 91));
    EXPECT_FALSE(box.picture()->picture().isNull());

    const QListWidget& list = *box.acknowledgements();
    EXPECT_EQ(list.geometry().topLeft(), QPoint(120, 32));
    EXPECT_EQ(list.width(), 257);
    EXPECT_LE(list.height(), 97);
    // No line is cut off at the bottom, nor hidden under a scroll bar.
    box.show();
    QCoreApplication::processEvents();
    const int line = list.sizeHintForRow(0);
    EXPECT_EQ(list.viewport()->height() % line, 0) << list.viewport()->height() << " / " << line;
    EXPECT_GT(list.height(), 97 - line);
    ASSERT_EQ(list.count(), 13);
    int empty = 0;
    for (int i = 0; i < list.count(); ++i) {
        empty += list.item(i)->text().isEmpty();
    }
    EXPECT_GE(empty, 2);
    EXPECT_TRUE(list.item(12)->text().contains(QStringLiteral("Chronidex")));

    // The links fit inside the box, their left and top edges where laid out
    // as far as their texts allow.
    for (LinkLabel* link : {box.emailLink(), box.webLink()}) {
        EXPECT_EQ(link->y(), 144);
        EXPECT_LE(link->geometry().right(), box.width());
        EXPECT_GE(link->width(), link->sizeHint().width());
    }
    EXPECT_EQ(box.webLink()->x(), 16);
}

TEST_F(AboutBoxTest, LinksOpenOurAddresses) {
    EXPECT_EQ(box.emailLink()->kind(), LinkKind::Mail);
    EXPECT_EQ(box.emailLink()->text(), QString::fromUtf8(projectlinks::kEmail));
    EXPECT_EQ(box.webLink()->kind(), LinkKind::Web);
    EXPECT_EQ(box.webLink()->text(), QString::fromUtf8(projectlinks::kHomePage));
    EXPECT_FALSE(box.webLink()->text().contains(QStringLiteral("://")));

    box.emailLink()->openLink();
    box.webLink()->openLink();
    EXPECT_EQ(platform.opened,
              QStringList({QStringLiteral("normal mailto:<%1>").arg(projectlinks::kEmail),
                           QStringLiteral("maximised http://%1").arg(projectlinks::kHomePage)}));
}

TEST_F(AboutBoxTest, TakesItsCaptionFromTheMenuItemAtEachActivation) {
    activate(box);
    EXPECT_TRUE(state.dialogOpen);
    EXPECT_EQ(box.windowTitle(), QStringLiteral("О программе"));
    box.close();
    EXPECT_FALSE(state.dialogOpen);
    EXPECT_EQ(state.lastActivity, platform.clock);

    menuText = QStringLiteral("About && more");
    activate(box);
    EXPECT_EQ(box.windowTitle(), QStringLiteral("About && more"));
}

TEST_F(AboutBoxTest, HasItsCaptionAsSoonAsItIsShownWithoutActivation) {
    box.show();
    EXPECT_EQ(box.windowTitle(), QStringLiteral("О программе"));
    box.hide();
    menuText = QStringLiteral("&About");
    box.show();
    EXPECT_EQ(box.windowTitle(), QStringLiteral("About"));
}

TEST_F(AboutBoxTest, DrawsThePicture) {
    box.show();
    const QImage drawn = box.picture()->grab().toImage();
    const QImage picture = box.picture()->picture().convertToFormat(drawn.format());
    EXPECT_EQ(drawn.pixel(49, 85), picture.pixel(49, 85));
}
