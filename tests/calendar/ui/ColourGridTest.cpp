#include "WidgetFixture.h"
#include "calendar/widgets/ColourGrid.h"

namespace {

constexpr QRgb kYellow = 0xFFFFFF00;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kLines = 0xFF5A5A5A;

}  // namespace

class ColourGridTest : public WidgetTest {
  protected:
    // Three columns of 30 and three rows of 20 pixels, one fixed row, on a
    // widget a little larger than the cells.
    void prepare(ColourGrid& grid) {
        grid.resize(100, 70);
        grid.setColCount(3);
        grid.setRowCount(3);
        grid.setFixedCols(0);
        grid.setFixedRows(1);
        grid.setDefaultColWidth(30);
        grid.setDefaultRowHeight(20);
        grid.setGridLineColor(QColor(kLines));
        grid.setFont(sharpFont(14));
    }
};

TEST_F(ColourGridTest, CellObjectsAreMadeOnFirstUseFromTheGridsLooks) {
    ColourGrid grid;
    prepare(grid);
    grid.setColor(QColor(0xFF204060));
    grid.setFontColor(QColor(kRed));
    EXPECT_EQ(grid.cellLooksCount(), 0);
    grid.setCellText(1, 2, QStringLiteral("7"));
    render(grid);  // painting addresses no cell
    EXPECT_EQ(grid.cellLooksCount(), 0);
    EXPECT_EQ(grid.existingCellLooks(1, 2), nullptr);

    CellLooks& cell = grid.cellLooks(1, 2);
    EXPECT_EQ(grid.cellLooksCount(), 1);
    EXPECT_EQ(grid.existingCellLooks(1, 2), &cell);
    EXPECT_EQ(&grid.cellLooks(1, 2), &cell);  // the same object every time
    EXPECT_EQ(grid.cellLooksCount(), 1);
    EXPECT_EQ(cell.column(), 1);
    EXPECT_EQ(cell.row(), 2);
    EXPECT_EQ(&cell.grid(), &grid);
    EXPECT_EQ(cell.color(), QColor(0xFF204060));
    EXPECT_EQ(cell.font(), grid.font());
    EXPECT_EQ(cell.fontColor(), QColor(kRed));
    EXPECT_EQ(cell.text(), QStringLiteral("7"));

    // Writing a text through a cell that has no object yet makes one and
    // stores the text with the grid.
    grid.cellLooks(2, 1).setText(QStringLiteral("31"));
    EXPECT_EQ(grid.cellLooksCount(), 2);
    EXPECT_EQ(grid.cellText(2, 1), QStringLiteral("31"));
    // A later change of the grid's colour does not reach an existing object.
    grid.setColor(QColor(kYellow));
    EXPECT_EQ(cell.color(), QColor(0xFF204060));
}

TEST_F(ColourGridTest, FixedSetsStartWithTheFixedColour) {
    ColourGrid grid;
    EXPECT_EQ(grid.fixedRowLooks().color(), QColor(kFace));
    EXPECT_EQ(grid.fixedColumnLooks().color(), QColor(kFace));
    EXPECT_EQ(grid.cornerLooks().color(), QColor(kFace));
    EXPECT_EQ(grid.cornerLooks().font(), grid.font());
    EXPECT_EQ(grid.fixedRowLooks().column(), 0);
    EXPECT_EQ(grid.color(), QColor(kBase));
    EXPECT_EQ(grid.fontColor(), QColor(kText));
}

TEST_F(ColourGridTest, CellsPaintTheirOwnColoursBetweenGridLines) {
    ColourGrid grid;
    prepare(grid);
    grid.fixedRowLooks().setColor(QColor(0xFF406080));
    grid.cellLooks(1, 1).setColor(QColor(kYellow));
    grid.cellLooks(2, 2).setColor(QColor(kRed));
    const QImage image = render(grid);
    EXPECT_EQ(count(image, 0xFF406080, QRect(0, 0, 30, 20)), 600);  // fixed row
    EXPECT_EQ(count(image, 0xFF406080, QRect(62, 0, 30, 20)), 600);
    EXPECT_EQ(count(image, kYellow, QRect(31, 21, 30, 20)), 600);
    EXPECT_EQ(count(image, kRed, QRect(62, 42, 30, 20)), 600);
    EXPECT_EQ(count(image, kBase, QRect(0, 21, 30, 20)), 600);  // never addressed
    // One-pixel lines right of and below every cell, nothing beyond them.
    EXPECT_EQ(count(image, kLines, QRect(30, 0, 1, 63)), 63);
    EXPECT_EQ(count(image, kLines, QRect(92, 0, 1, 63)), 63);
    EXPECT_EQ(count(image, kLines, QRect(0, 20, 93, 1)), 93);
    EXPECT_EQ(count(image, kLines, QRect(0, 62, 93, 1)), 93);
    EXPECT_EQ(count(image, kBase, QRect(93, 0, 7, 70)), 7 * 70);
    EXPECT_EQ(count(image, kBase, QRect(0, 63, 100, 7)), 7 * 100);
    EXPECT_EQ(count(image, kFace), 0);  // the plain fixed colour is painted over
}

TEST_F(ColourGridTest, EachKindOfFixedCellUsesItsOwnSet) {
    ColourGrid grid;
    prepare(grid);
    grid.setFixedCols(1);
    grid.cornerLooks().setColor(QColor(0xFF111111));
    grid.fixedRowLooks().setColor(QColor(0xFF222222));
    grid.fixedColumnLooks().setColor(QColor(0xFF333333));
    grid.cellLooks(0, 0).setColor(QColor(kYellow));  // a fixed cell's own object is unused
    const QImage image = render(grid);
    EXPECT_EQ(image.pixel(10, 10), 0xFF111111);
    EXPECT_EQ(image.pixel(40, 10), 0xFF222222);
    EXPECT_EQ(image.pixel(70, 10), 0xFF222222);
    EXPECT_EQ(image.pixel(10, 30), 0xFF333333);
    EXPECT_EQ(image.pixel(10, 50), 0xFF333333);
    EXPECT_EQ(image.pixel(40, 50), kBase);
}

TEST_F(ColourGridTest, TextStartsTwoPixelsInAndStaysInsideItsCell) {
    ColourGrid grid;
    prepare(grid);
    grid.cellLooks(1, 1).setFontColor(QColor(kRed));
    grid.cellLooks(1, 1).setText(QStringLiteral("████"));  // full blocks
    grid.cellLooks(0, 2).setText(QStringLiteral("H"));
    grid.fixedRowLooks().setFontColor(QColor(kYellow));
    grid.cellLooks(2, 0).setText(QStringLiteral("Вс"));
    const QImage image = render(grid);

    const QRect red = boundsOf(image, kRed);
    ASSERT_FALSE(red.isEmpty());
    EXPECT_EQ(red.left(), 31 + 2);
    EXPECT_GE(red.top(), 21 + 2);
    EXPECT_EQ(red.right(), 60);  // cut off at the cell's edge, one line
    EXPECT_LE(red.bottom(), 40);
    EXPECT_EQ(image.pixel(61, 25), kLines);
    EXPECT_EQ(count(image, kRed, QRect(62, 0, 38, 70)), 0);

    // The grid's own text colour for an ordinary cell, the set's for a fixed one.
    EXPECT_GT(count(image, kText, QRect(0, 42, 30, 20)), 0);
    EXPECT_GT(count(image, kYellow, QRect(62, 0, 30, 20)), 0);
}

TEST_F(ColourGridTest, CellFontsDecideTheTextSize) {
    ColourGrid grid;
    prepare(grid);
    grid.setDefaultRowHeight(40);
    grid.resize(100, 130);
    grid.cellLooks(0, 1).setText(QStringLiteral("H"));
    grid.cellLooks(1, 1).setText(QStringLiteral("H"));
    grid.cellLooks(1, 1).setFont(sharpFont(28));
    const QImage image = render(grid);
    const QRect small = boundsOf(image.copy(0, 41, 30, 40), kText);
    const QRect big = boundsOf(image.copy(31, 41, 30, 40), kText);
    ASSERT_FALSE(small.isEmpty());
    ASSERT_FALSE(big.isEmpty());
    EXPECT_GT(big.height(), small.height() * 3 / 2);
}

TEST_F(ColourGridTest, OddAddressesAndCountsAreHarmless) {
    ColourGrid grid;
    prepare(grid);
    grid.cellLooks(-1, 1000000).setText(QStringLiteral("far away"));
    grid.cellLooks(2147483647, -2147483647 - 1).setColor(QColor(kRed));
    EXPECT_EQ(grid.cellText(-1, 1000000), QStringLiteral("far away"));
    EXPECT_EQ(count(render(grid), kRed), 0);
    grid.setColCount(1000000);
    grid.setRowCount(-3);
    EXPECT_EQ(grid.rowCount(), 0);
    EXPECT_EQ(count(render(grid), kBase), 100 * 70);
    grid.setRowCount(1000000);
    grid.setDefaultColWidth(0);
    grid.setDefaultRowHeight(0);
    render(grid);
}
