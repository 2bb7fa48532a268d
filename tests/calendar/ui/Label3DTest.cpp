#include <QCoreApplication>
#include <QFontMetrics>

#include "WidgetFixture.h"
#include "calendar/widgets/Label3D.h"

namespace {

constexpr QRgb kInside = 0xFF3050A0;
constexpr QRgb kInk = 0xFF102030;

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
  public:
    explicit PaintCounter(QWidget& w) { w.installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override {
        paints += e->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
    int paints = 0;
};

}  // namespace

class Label3DTest : public WidgetTest {
  protected:
    // A label with known colours; tests add the caption they look at.
    void prepare(Label3D& label, QSize size) {
        label.resize(size);
        label.setColor(QColor(kInside));
        label.setFontColor(QColor(kInk));
        label.setFont(sharpFont(30));
    }
    QRect inkBox(const QImage& image) { return boundsOf(image, kInk); }
};

// A raised ring, lit top and left, and the fill exactly inside it.
TEST_F(Label3DTest, FillsTheInsideOfARaisedRing) {
    Label3D label;
    prepare(label, QSize(30, 20));
    const QImage image = render(label);
    for (const auto& [x, y, colour] : {std::tuple{0, 0, kLight},
                                       {0, 19, kLight},
                                       {15, 0, kLight},
                                       {29, 0, kDark},
                                       {29, 10, kDark},
                                       {15, 19, kDark}}) {
        EXPECT_EQ(image.pixel(x, y), colour) << x << "," << y;
    }
    EXPECT_EQ(count(image, kInside), 28 * 18);
}

// The caption is centred across, starts at the top and wraps at spaces.
TEST_F(Label3DTest, CentresAndWrapsTheCaption) {
    struct Case {
        const char* caption;
        int width;
        bool wraps;
    };
    for (const Case& c : {Case{"HI", 200, false}, Case{"HHH HHH", 90, true}}) {
        Label3D label;
        prepare(label, QSize(c.width, 100));
        label.setCaption(QString::fromUtf8(c.caption));
        const QRect ink = inkBox(render(label));
        EXPECT_NEAR(ink.center().x(), c.width / 2, 3) << c.caption;
        EXPECT_LT(ink.top(), 12) << c.caption;
        EXPECT_EQ(ink.height() > QFontMetrics(sharpFont(30)).height(), c.wraps) << c.caption;
        EXPECT_LT(ink.right(), c.width - 1) << c.caption;
    }
}

TEST_F(Label3DTest, OnlyANewValueRepaints) {
    Label3D label;
    prepare(label, QSize(50, 20));
    label.setCaption(QStringLiteral("x"));
    label.show();
    QCoreApplication::processEvents();
    PaintCounter counter(label);
    auto settle = [&] {
        counter.paints = 0;
        QCoreApplication::processEvents();
        return counter.paints;
    };
    settle();
    label.setCaption(QStringLiteral("x"));
    label.setColor(QColor(kInside));
    label.setFontColor(QColor(kInk));
    EXPECT_EQ(settle(), 0);
    label.setCaption(QStringLiteral("y"));
    EXPECT_GE(settle(), 1);
    label.setFontColor(QColor(kInside));
    EXPECT_GE(settle(), 1);
}
