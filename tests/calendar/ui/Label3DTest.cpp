#include <QCoreApplication>
#include <QFontMetrics>

#include "WidgetFixture.h"
#include "calendar/widgets/Label3D.h"

namespace {

constexpr QRgb kInside = 0xFF3050A0;
constexpr QRgb kInk = 0xFF102030;
constexpr QRgb kHigh = 0xFFE0C000;
constexpr QRgb kShade = 0xFF00A040;

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
    // A label with known colours and no text; tests add what they look at.
    void prepare(Label3D& label, QSize size) {
        label.resize(size);
        label.setColor(QColor(kInside));
        label.setFontColor(QColor(kInk));
        label.setHighLightColor(QColor(kHigh));
        label.setShadowColor(QColor(kShade));
        label.setFont(sharpFont(30));
    }
    QRect inkBox(const QImage& image) { return boundsOf(image, kInk); }
};

TEST_F(Label3DTest, StartsWithTheStoredDefaults) {
    Label3D label;
    EXPECT_EQ(label.firstColor(), QColor(Qt::white));
    EXPECT_EQ(label.lastColor(), QColor(0, 128, 128));
    EXPECT_FALSE(label.fillGradient());
    EXPECT_EQ(label.gradientOrientation(), GradientOrientation::Horizontal);
    EXPECT_EQ(label.highLightColor(), QColor(kLight));
    EXPECT_EQ(label.shadowColor(), QColor(kDark));
    EXPECT_EQ(label.bevel(), Label3DBevel::Raised);
    EXPECT_EQ(label.shadowSize(), 1);
    EXPECT_EQ(label.borderColor(), QColor(Qt::black));
    EXPECT_EQ(label.borderWidth(), 1);
    EXPECT_EQ(label.borderStyle(), Label3DBorderStyle::None);
    EXPECT_EQ(label.color(), QColor(kFace));
    EXPECT_EQ(label.textLayout(), TextLayout::Top);
}

TEST_F(Label3DTest, GradientFillsTheInsideOfTheBorder) {
    Label3D label;
    prepare(label, QSize(191, 18));
    label.setFillGradient(true);
    QImage image = render(label);
    EXPECT_EQ(image.pixel(0, 5), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(95, 5), qRgb(127, 191, 191));
    EXPECT_EQ(image.pixel(190, 5), qRgb(0, 128, 128));

    label.setBorderStyle(Label3DBorderStyle::Normal);
    label.setBorderColor(QColor(kInk));
    image = render(label);
    EXPECT_EQ(image.pixel(0, 5), kInk);
    EXPECT_EQ(image.pixel(1, 5), qRgb(255, 255, 255));  // the strips start inside
    EXPECT_EQ(image.pixel(189, 5), qRgb(0, 128, 128));

    // One pixel wide: no strip at all, and no solid fill either.
    Label3D thin;
    prepare(thin, QSize(1, 10));
    thin.setFillGradient(true);
    EXPECT_EQ(count(render(thin), kInside), 0);
    EXPECT_EQ(count(render(thin), qRgb(255, 255, 255)), 0);

    label.setBorderStyle(Label3DBorderStyle::None);
    label.setFillGradient(false);
    EXPECT_EQ(count(render(label), kInside), 191 * 18);
}

TEST_F(Label3DTest, EveryBorderStyleDrawsItsRings) {
    struct Case {
        Label3DBorderStyle style;
        int width;
        std::vector<std::pair<QRgb, QRgb>> rings;  // top colour, bottom colour, outside in
    };
    const QRgb border = 0xFF806040;
    const std::vector<Case> cases = {
        {Label3DBorderStyle::None, 3, {}},
        {Label3DBorderStyle::Normal, 2, {{border, border}, {border, border}}},
        {Label3DBorderStyle::Lowered, 1, {{kDark, kLight}}},
        {Label3DBorderStyle::Raised, 1, {{kLight, kDark}}},
        {Label3DBorderStyle::Raised, 3, {{kLight, kDark}, {kLight, kDark}, {kLight, kDark}}},
    };
    for (const Case& c : cases) {
        Label3D label;
        prepare(label, QSize(30, 20));
        label.setBorderColor(QColor(border));
        label.setBorderStyle(c.style);
        label.setBorderWidth(c.width);
        const QImage image = render(label);
        const int n = int(c.rings.size());
        for (int i = 0; i < n; ++i) {
            const auto [top, bottom] = c.rings[i];
            const int right = 29 - i;
            const int low = 19 - i;
            SCOPED_TRACE(testing::Message() << "style " << int(c.style) << " ring " << i);
            EXPECT_EQ(image.pixel(i, i), top);
            EXPECT_EQ(image.pixel(i, 10), top);
            EXPECT_EQ(image.pixel(15, i), top);
            EXPECT_EQ(image.pixel(i, low), top);       // bottom-left corner
            EXPECT_EQ(image.pixel(right, i), bottom);  // top-right corner
            EXPECT_EQ(image.pixel(right, 10), bottom);
            EXPECT_EQ(image.pixel(15, low), bottom);
            EXPECT_EQ(image.pixel(right, low), bottom);
        }
        // The inside is filled exactly up to the innermost ring.
        EXPECT_EQ(count(image, kInside), (30 - 2 * n) * (20 - 2 * n)) << int(c.style);
        EXPECT_EQ(image.pixel(n, n), kInside) << int(c.style);
    }
}

TEST_F(Label3DTest, OversizedOrNegativeBorderWidthIsHarmless) {
    Label3D label;
    prepare(label, QSize(6, 4));
    label.setCaption(QStringLiteral("Wide text"));
    label.setBorderStyle(Label3DBorderStyle::Raised);
    label.setBorderWidth(2147483647);
    EXPECT_EQ(count(render(label), kInside), 0);
    label.setFillGradient(true);
    EXPECT_EQ(count(render(label), kInk), 0);
    label.setFillGradient(false);
    label.setBorderWidth(-5);
    EXPECT_EQ(count(render(label), kDark), 0);
}

TEST_F(Label3DTest, BevelsPlaceTheirCopiesAroundTheText) {
    struct Case {
        Label3DBevel bevel;
        bool enabled;
        QRgb upLeft;     // the copy moved up and left, 0 for none
        QRgb downRight;  // the copy moved down and right, 0 for none
    };
    const std::vector<Case> cases = {
        {Label3DBevel::None, true, 0, 0},         {Label3DBevel::Raised, true, kHigh, kShade},
        {Label3DBevel::Raised, false, 0, kShade}, {Label3DBevel::Lowered, true, kShade, kHigh},
        {Label3DBevel::Lowered, false, 0, kHigh}, {Label3DBevel::Shadow, true, 0, kShade},
        {Label3DBevel::Shadow, false, 0, kShade},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "bevel " << int(c.bevel) << " enabled " << c.enabled);
        Label3D label;
        prepare(label, QSize(80, 50));
        label.setCaption(QStringLiteral("H"));
        label.setAlignment(Qt::AlignHCenter);
        label.setBevel(c.bevel);
        label.setShadowSize(3);
        label.setEnabled(c.enabled);
        const QImage image = render(label);
        const QRgb face = c.enabled ? kInk : kGray;
        const QRect text = boundsOf(image, face);
        ASSERT_FALSE(text.isEmpty());
        EXPECT_EQ(count(image, c.enabled ? kGray : kInk), 0);
        for (const QRgb colour : {kHigh, kShade}) {
            if (colour != c.upLeft && colour != c.downRight) {
                EXPECT_EQ(count(image, colour), 0) << std::hex << colour;
            }
        }
        if (c.upLeft != 0) {
            EXPECT_EQ(boundsOf(image, c.upLeft).topLeft(), text.topLeft() - QPoint(3, 3));
        }
        if (c.downRight != 0) {
            EXPECT_EQ(boundsOf(image, c.downRight).bottomRight(),
                      text.bottomRight() + QPoint(3, 3));
        }
    }
}

// The month label's look: a raised bevel with no offset. Its copies would lie
// under the caption and tint its antialiased edges.
TEST_F(Label3DTest, RaisedBevelWithoutOffsetIsPlainText) {
    QFont smooth;
    smooth.setPixelSize(15);
    smooth.setStyleStrategy(QFont::PreferAntialias);
    const auto drawn = [&](Label3DBevel bevel) {
        Label3D label;
        prepare(label, QSize(120, 30));
        label.setFont(smooth);
        label.setCaption(QStringLiteral("Февраль"));
        label.setShadowSize(0);
        label.setBevel(bevel);
        return render(label);
    };
    const QImage image = drawn(Label3DBevel::Raised);
    EXPECT_EQ(image, drawn(Label3DBevel::None));
    EXPECT_GT(count(image, kInk), 0);
    EXPECT_EQ(count(image, kHigh) + count(image, kShade), 0);
}

TEST_F(Label3DTest, LayoutMovesTheTextBlockDownInsideTheBorder) {
    auto textTop = [this](TextLayout layout, Label3DBorderStyle border) {
        Label3D label;
        prepare(label, QSize(100, 80));
        label.setBevel(Label3DBevel::None);
        label.setCaption(QStringLiteral("H"));
        label.setBorderStyle(border);
        label.setBorderWidth(4);
        label.setTextLayout(layout);
        return inkBox(render(label)).top();
    };
    const int flags =
        Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextExpandTabs | Qt::TextShowMnemonic;
    for (const auto border : {Label3DBorderStyle::None, Label3DBorderStyle::Raised}) {
        const int inner = border == Label3DBorderStyle::None ? 80 : 72;
        const QRect room(0, 0, inner + 20, inner);
        const int spare =
            inner -
            QFontMetrics(sharpFont(30)).boundingRect(room, flags, QStringLiteral("H")).height();
        const int top = textTop(TextLayout::Top, border);
        EXPECT_EQ(textTop(TextLayout::Center, border) - top, spare / 2);
        EXPECT_EQ(textTop(TextLayout::Bottom, border) - top, spare);
    }
    // Text taller than the label stays at the top.
    Label3D tiny;
    prepare(tiny, QSize(100, 12));
    tiny.setBevel(Label3DBevel::None);
    tiny.setCaption(QStringLiteral("H"));
    const QImage topImage = render(tiny);
    tiny.setTextLayout(TextLayout::Bottom);
    EXPECT_EQ(render(tiny), topImage);
}

TEST_F(Label3DTest, AlignmentAndWrapping) {
    Label3D label;
    prepare(label, QSize(200, 100));
    label.setBevel(Label3DBevel::None);
    label.setCaption(QStringLiteral("HI"));
    const QRect left = inkBox(render(label));
    label.setAlignment(Qt::AlignRight);
    const QRect right = inkBox(render(label));
    label.setAlignment(Qt::AlignHCenter);
    const QRect centre = inkBox(render(label));
    EXPECT_LT(left.left(), 5);
    EXPECT_GT(right.right(), 194);
    EXPECT_NEAR(centre.center().x(), 100, 3);
    EXPECT_EQ(left.top(), right.top());

    // Words that do not fit one line go on to the next.
    label.setAlignment(Qt::AlignLeft);
    label.setCaption(QStringLiteral("HHH HHH"));
    label.resize(90, 100);
    const QRect wrapped = inkBox(render(label));
    EXPECT_GT(wrapped.height(), QFontMetrics(sharpFont(30)).height());
    EXPECT_LE(wrapped.right(), 89);
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
    label.setBorderWidth(1);
    label.setShadowSize(1);
    label.setFirstColor(QColor(Qt::white));
    label.setBevel(Label3DBevel::Raised);
    EXPECT_EQ(settle(), 0);
    label.setShadowSize(2);
    EXPECT_GE(settle(), 1);
    EXPECT_EQ(label.shadowSize(), 2);
    label.setBorderStyle(Label3DBorderStyle::Lowered);
    EXPECT_GE(settle(), 1);
}
