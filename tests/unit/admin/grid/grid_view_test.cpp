#include "admin/grid/grid_view.h"

#include <gtest/gtest.h>

namespace {

// Rows of 300 twips, header 300; columns 1000 wide, line numbers 500.
FlexGrid Table(long rows, long cols) {
    FlexGrid g;
    g.SetCols(cols);
    g.SetRows(rows);
    for (long r = 0; r < rows; ++r) g.SetRowHeight(r, 300);
    g.SetColWidth(0, 500);
    for (long c = 1; c < cols; ++c) g.SetColWidth(c, 1000);
    return g;
}

constexpr int kTab = 9, kPageUp = 33, kPageDown = 34, kEnd = 35, kHome = 36;
constexpr int kLeft = 37, kUp = 38, kRight = 39, kDown = 40;

GridTarget Cell(long r, long c) { return GridTarget{r, c, r, c}; }

}  // namespace

TEST(GridViewHitTest, FixedPartsStayAndTheRestScrolls) {
    FlexGrid g = Table(100, 5);
    EXPECT_EQ(HitTest(g, 0, 0).Row, 0);
    EXPECT_EQ(HitTest(g, 0, 0).Col, 0);
    EXPECT_EQ(HitTest(g, 499, 299).Col, 0);
    EXPECT_EQ(HitTest(g, 500, 300).Col, 1);
    EXPECT_EQ(HitTest(g, 500, 300).Row, 1);
    g.SetTopRow(50);
    g.SetLeftCol(3);
    // The header and the line numbers do not move; the first scrolling row
    // shown below the header is TopRow.
    EXPECT_EQ(HitTest(g, 100, 100).Row, 0);
    EXPECT_EQ(HitTest(g, 100, 350).Row, 50);
    EXPECT_EQ(HitTest(g, 600, 350).Col, 3);
    EXPECT_EQ(HitTest(g, 1600, 350).Col, 4);
    // Past the last column or row: nothing.
    EXPECT_EQ(HitTest(g, 2600, 350).Col, -1);
    EXPECT_EQ(HitTest(g, 100, 300 * 60).Row, -1);
    EXPECT_EQ(HitTest(g, -1, 10).Col, -1);
}

TEST(GridViewHitTest, HiddenColumnsTakeNoRoom) {
    FlexGrid g = Table(3, 4);
    g.SetColWidth(2, 0);
    EXPECT_EQ(HitTest(g, 1600, 350).Col, 3);
    // The border between 1 and 3 belongs to the shown column, not the hidden one.
    EXPECT_EQ(ColumnBorderAt(g, 1500, 45), 1);
    EXPECT_EQ(ColumnBorderAt(g, 2500, 45), 3);
    EXPECT_EQ(ColumnBorderAt(g, 1000, 45), -1);
    EXPECT_EQ(RowBorderAt(g, 600, 45), 1);
}

TEST(GridViewScrolling, VisibleRowsAndLimits) {
    FlexGrid g = Table(10001, 5);
    // 3100 twips: the header and 9 whole rows, the tenth row cut.
    EXPECT_EQ(FullyVisibleRows(g, 3100), 9);
    EXPECT_EQ(LastVisibleRow(g, 3100), 10);
    EXPECT_EQ(LastVisibleRow(g, 3000), 9);
    EXPECT_EQ(MaxTopRow(g, 3100), 10000 - 9 + 1);
    g.SetTopRow(MaxTopRow(g, 3100));
    EXPECT_EQ(LastVisibleRow(g, 3100), 10000);
    EXPECT_FALSE(RowsFit(g, 3000));
    EXPECT_TRUE(RowsFit(Table(10, 5), 3000));
    // A window shorter than one row still shows one row per page.
    EXPECT_EQ(FullyVisibleRows(g, 400), 1);
    EXPECT_EQ(MaxLeftCol(g, 2600), 3);
    EXPECT_TRUE(ColsFit(g, 4500));
    EXPECT_FALSE(ColsFit(g, 4499));
}

TEST(GridViewScrolling, EnsureVisibleScrollsJustEnough) {
    FlexGrid g = Table(1000, 8);
    EXPECT_FALSE(EnsureCellVisible(g, 5, 2, 3000, 3000));
    EXPECT_TRUE(EnsureCellVisible(g, 20, 2, 3000, 3000));
    EXPECT_EQ(g.TopRow(), 12);  // row 20 at the bottom: rows 12..20 shown
    EXPECT_EQ(LastVisibleRow(g, 3000), 20);
    EXPECT_TRUE(EnsureCellVisible(g, 3, 2, 3000, 3000));
    EXPECT_EQ(g.TopRow(), 3);
    EXPECT_TRUE(EnsureCellVisible(g, 3, 7, 3000, 3000));
    EXPECT_EQ(g.LeftCol(), 6);  // 500 fixed + columns 6 and 7 in 3000 twips
    // The header row and the line numbers never scroll anything.
    EXPECT_FALSE(EnsureCellVisible(g, 0, 0, 3000, 3000));
}

TEST(GridViewKeys, ArrowsPagesHomeEndAndTab) {
    FlexGrid g = Table(30, 5);
    g.SetCurrentCell(1, 1);
    EXPECT_EQ(*KeyTarget(g, kRight, false, false, 10), Cell(1, 2));
    EXPECT_EQ(*KeyTarget(g, kLeft, false, false, 10), Cell(1, 1));  // no further than column 1
    EXPECT_EQ(*KeyTarget(g, kUp, false, false, 10), Cell(1, 1));    // not into the header
    EXPECT_EQ(*KeyTarget(g, kDown, false, false, 10), Cell(2, 1));
    EXPECT_EQ(*KeyTarget(g, kPageDown, false, false, 10), Cell(11, 1));
    EXPECT_EQ(*KeyTarget(g, kEnd, false, false, 10), Cell(1, 4));
    EXPECT_EQ(*KeyTarget(g, kEnd, false, true, 10), Cell(29, 4));
    g.SetCurrentCell(25, 3);
    EXPECT_EQ(*KeyTarget(g, kPageDown, false, false, 10), Cell(29, 3));
    EXPECT_EQ(*KeyTarget(g, kPageUp, false, false, 10), Cell(15, 3));
    EXPECT_EQ(*KeyTarget(g, kHome, false, true, 10), Cell(1, 1));
    // Tab wraps to the next row; Shift+Tab back; the last cell stays.
    g.SetCurrentCell(1, 4);
    EXPECT_EQ(*KeyTarget(g, kTab, false, false, 10), Cell(2, 1));
    g.SetCurrentCell(2, 1);
    EXPECT_EQ(*KeyTarget(g, kTab, true, false, 10), Cell(1, 4));
    g.SetCurrentCell(29, 4);
    EXPECT_EQ(*KeyTarget(g, kTab, false, false, 10), Cell(29, 4));
    EXPECT_FALSE(KeyTarget(g, 'A', false, false, 10).has_value());
}

TEST(GridViewKeys, ShiftExtendsAndHiddenCellsArePassedOver) {
    FlexGrid g = Table(10, 6);
    g.SetColWidth(3, 0);
    g.SetRowHeight(4, 0);
    g.SetCurrentCell(3, 2);
    EXPECT_EQ(*KeyTarget(g, kRight, false, false, 5), Cell(3, 4));
    EXPECT_EQ(*KeyTarget(g, kDown, false, false, 5), Cell(5, 2));
    GridTarget t = *KeyTarget(g, kDown, true, false, 5);
    EXPECT_EQ(t, (GridTarget{3, 2, 5, 2}));
    g.SetSelection(3, 2, 5, 2);
    EXPECT_EQ(*KeyTarget(g, kRight, true, false, 5), (GridTarget{3, 2, 5, 4}));
    // From a current cell in the line-number column (SelectGridAll) the keys
    // start from the first data cell.
    g.SetCurrentCell(0, 0);
    EXPECT_EQ(*KeyTarget(g, kDown, false, false, 5), Cell(2, 1));
    // A grid of only fixed parts has nothing to move to.
    FlexGrid empty = Table(1, 1);
    EXPECT_FALSE(KeyTarget(empty, kDown, false, false, 5).has_value());
}

TEST(GridViewMouse, PressesSelectCellsColumnsRowsAndAll) {
    FlexGrid g = Table(20, 5);
    g.SetCurrentCell(2, 2);
    EXPECT_EQ(*PressTarget(g, GridHit{4, 3}, false), Cell(4, 3));
    EXPECT_EQ(*PressTarget(g, GridHit{4, 3}, true), (GridTarget{2, 2, 4, 3}));
    EXPECT_EQ(*PressTarget(g, GridHit{0, 3}, false), (GridTarget{1, 3, 19, 3}));
    EXPECT_EQ(*PressTarget(g, GridHit{6, 0}, false), (GridTarget{6, 1, 6, 4}));
    EXPECT_EQ(*PressTarget(g, GridHit{0, 0}, false), (GridTarget{1, 1, 19, 4}));
    EXPECT_FALSE(PressTarget(g, GridHit{-1, 2}, false).has_value());
    // Dragging: the end follows, clamped to data cells, past the end sticks.
    EXPECT_EQ(*DragTarget(g, GridHit{4, 3}, GridHit{0, 1}), (GridTarget{4, 3, 1, 1}));
    EXPECT_EQ(*DragTarget(g, GridHit{4, 3}, GridHit{-1, -1}), (GridTarget{4, 3, 19, 4}));
    EXPECT_EQ(*DragTarget(g, GridHit{0, 2}, GridHit{7, 4}), (GridTarget{1, 2, 19, 4}));
    EXPECT_EQ(*DragTarget(g, GridHit{3, 0}, GridHit{5, 2}), (GridTarget{3, 1, 5, 4}));
}

TEST(GridViewPaste, OneCellGrowsToTheTextWithinTheGrid) {
    FlexGrid g = Table(5, 4);
    g.SetCurrentCell(2, 2);
    GridRange r = PasteRange(g, "a\tb\r\nc\td\r\n");
    EXPECT_EQ(r.Top, 2);
    EXPECT_EQ(r.Bottom, 3);  // the final line end opens no third row
    EXPECT_EQ(r.Left, 2);
    EXPECT_EQ(r.Right, 3);
    g.SetCurrentCell(4, 3);
    r = PasteRange(g, "a\tb\tc\rd\re");
    EXPECT_EQ(r.Bottom, 4);
    EXPECT_EQ(r.Right, 3);
    // A chosen range is kept whatever the text's shape.
    g.SetSelection(1, 1, 1, 3);
    r = PasteRange(g, "x\ny\nz");
    EXPECT_EQ(r.Bottom, 1);
    EXPECT_EQ(r.Right, 3);
}
