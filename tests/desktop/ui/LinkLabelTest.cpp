#include <QAccessible>
#include <QKeyEvent>

#include "DesktopFixture.h"
#include "desktop/LinkTarget.h"
#include "desktop/ui/LinkLabel.h"

TEST(WebAddress, GetsHttpInFrontUnlessItBeginsWithExactlyThat) {
    using hyperlink::webAddress;
    EXPECT_EQ(webAddress(QStringLiteral("http://example.org")),
              QStringLiteral("http://example.org"));
    EXPECT_EQ(webAddress(QStringLiteral("www.example.org/a")),
              QStringLiteral("http://www.example.org/a"));
    EXPECT_EQ(webAddress(QStringLiteral("HTTP://example.org")),
              QStringLiteral("http://HTTP://example.org"));
    EXPECT_EQ(webAddress(QStringLiteral("https://example.org")),
              QStringLiteral("http://https://example.org"));
    EXPECT_EQ(webAddress(QStringLiteral("http:/x")), QStringLiteral("http://http:/x"));
    EXPECT_EQ(webAddress(QString()), QStringLiteral("http://"));
}

TEST(MailtoText, PutsThePresentPartsInTheirFixedOrderUnescaped) {
    MailLink mail;
    mail.address = QStringLiteral("ann@example.org");
    EXPECT_EQ(hyperlink::mailtoText(mail), QStringLiteral("mailto:<ann@example.org>"));

    mail.subject = QStringLiteral("Hello");
    mail.message = QStringLiteral("Nice clock");
    EXPECT_EQ(hyperlink::mailtoText(mail),
              QStringLiteral("mailto:<ann@example.org>?Subject=Hello&Body=Nice clock"));

    mail.name = QStringLiteral("Ann");
    mail.carbonCopy = QStringLiteral("bob@example.org");
    mail.blindCarbonCopy = QStringLiteral("eve@example.org");
    mail.subject = QStringLiteral("a&b?c");
    EXPECT_EQ(hyperlink::mailtoText(mail),
              QStringLiteral("mailto:Ann<ann@example.org>?Subject=a&b?c&CC=bob@example.org"
                             "&BCC=eve@example.org&Body=Nice clock"));

    MailLink onlyCopy;
    onlyCopy.address = QStringLiteral("a@b");
    onlyCopy.blindCarbonCopy = QStringLiteral("c@d");
    EXPECT_EQ(hyperlink::mailtoText(onlyCopy), QStringLiteral("mailto:<a@b>?BCC=c@d"));
}

namespace {

class LinkLabelTest : public DesktopFixture {
  protected:
    LinkLabelTest() {
        parent.resize(200, 50);
        label.setText(QStringLiteral("www.example.org"));
        label.setGeometry(10, 10, 120, 16);
        label.setUrl(QStringLiteral("www.example.org"));
        parent.show();
    }
    void enter() {
        QEnterEvent e(QPointF(5, 5), QPointF(5, 5), QPointF(label.mapToGlobal(QPoint(5, 5))));
        QApplication::sendEvent(&label, &e);
    }
    void leave() {
        QEvent e(QEvent::Leave);
        QApplication::sendEvent(&label, &e);
    }
    void press() { mouse(label, QEvent::MouseButtonPress, QPoint(5, 5)); }
    void release(QPoint at = QPoint(5, 5)) {
        mouse(label, QEvent::MouseButtonRelease, at, Qt::NoButton);
    }
    void click() {
        enter();
        press();
        release();
    }
    QColor colour() const { return label.palette().color(QPalette::WindowText); }

    QWidget parent;
    LinkLabel label{platform, &parent};
};

}  // namespace

TEST_F(LinkLabelTest, ClickingTheWebLinkTwiceAddsTheSchemeOnce) {
    EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor);
    click();
    click();
    EXPECT_EQ(platform.opened, QStringList({"maximised http://www.example.org",
                                            "maximised http://www.example.org"}));
    EXPECT_EQ(label.url(), QStringLiteral("http://www.example.org"));
}

TEST_F(LinkLabelTest, TheMailLinkOpensANewMessageShownNormally) {
    label.setKind(LinkKind::Mail);
    label.mail().address = QStringLiteral("ann@example.org");
    label.mail().subject = QStringLiteral("Hi");
    click();
    EXPECT_EQ(platform.opened, QStringList({"normal mailto:<ann@example.org>?Subject=Hi"}));
}

TEST_F(LinkLabelTest, PressingThenReleasingElsewhereOpensNothing) {
    enter();
    press();
    release(QPoint(150, 30));  // outside the label
    leave();
    EXPECT_TRUE(platform.opened.isEmpty());

    // Nor does a release while the mouse is still away from it.
    press();
    release(QPoint(-3, 5));
    EXPECT_TRUE(platform.opened.isEmpty());
    EXPECT_FALSE(label.hot());
    EXPECT_FALSE(label.down());
}

TEST_F(LinkLabelTest, ShowsTheLookOfItsState) {
    // Until the mouse first reaches it: normal.
    EXPECT_EQ(colour(), QColor(Qt::blue));
    EXPECT_FALSE(label.font().underline());
    enter();
    EXPECT_EQ(colour(), QColor(Qt::red));
    EXPECT_TRUE(label.font().underline());
    press();
    EXPECT_EQ(colour(), QColor(Qt::black));
    EXPECT_FALSE(label.font().underline());
    release(QPoint(150, 30));
    EXPECT_EQ(colour(), QColor(Qt::blue));

    label.hoverLook() = {QColor(Qt::darkGreen), LinkLook::Bold | LinkLook::Italic};
    enter();
    EXPECT_EQ(colour(), QColor(Qt::darkGreen));
    EXPECT_TRUE(label.font().bold());
    EXPECT_TRUE(label.font().italic());
    EXPECT_FALSE(label.font().underline());
    leave();
    EXPECT_FALSE(label.font().bold());
    // Drawn in the look it has.
    label.normalLook().color = QColor(255, 0, 255);
    label.applyLook();
    const QImage drawn = label.grab().toImage();
    bool magenta = false;
    for (int y = 0; y < drawn.height() && !magenta; ++y) {
        for (int x = 0; x < drawn.width() && !magenta; ++x) {
            const QColor c = drawn.pixelColor(x, y);
            magenta = c.red() > 200 && c.blue() > 200 && c.green() < 80;
        }
    }
    EXPECT_TRUE(magenta);
}

// Without the mouse: Tab reaches the link, Enter or Space opens it, and a
// screen reader's press does the same; other keys do nothing.
TEST_F(LinkLabelTest, TheKeyboardAndAScreenReaderOpenTheLink) {
    EXPECT_TRUE(label.focusPolicy() & Qt::TabFocus);
    const std::pair<int, int> keys[] = {
        {Qt::Key_Return, 1}, {Qt::Key_Enter, 2}, {Qt::Key_Space, 3}, {Qt::Key_A, 3}};
    for (const auto& [key, opened] : keys) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&label, &event);
        EXPECT_EQ(platform.opened.size(), opened) << key;
    }
    QAccessibleInterface* link = QAccessible::queryAccessibleInterface(&label);
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->role(), QAccessible::Link);
    EXPECT_EQ(link->text(QAccessible::Name), QStringLiteral("www.example.org"));
    link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(platform.opened.size(), 4);
    EXPECT_EQ(platform.opened.last(), QStringLiteral("maximised http://www.example.org"));
}
