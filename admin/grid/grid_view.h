// The grid as the user sees it through its window: which cells a window of a
// given size shows, where a point falls, how far the scroll bars go, which
// cell the keyboard and the mouse move to, and where a pasted block lands.
// All sizes are twips of the inner grid's area; the window converts pixels.
#pragma once

#include <optional>
#include <string>

#include "admin/grid/grid_model.h"

// Twips per pixel of the display (15 at 96 dots per inch).
struct TwipScale {
    long PerPixelX = 15;
    long PerPixelY = 15;
    long ToPixelsX(long twips) const { return twips / PerPixelX; }
    long ToPixelsY(long twips) const { return twips / PerPixelY; }
    long ToTwipsX(long pixels) const { return pixels * PerPixelX; }
    long ToTwipsY(long pixels) const { return pixels * PerPixelY; }
};

// A point's cell; -1 where the point lies past the last row or column.
struct GridHit {
    long Row = -1, Col = -1;
};
GridHit HitTest(const FlexGrid& grid, long xTwips, long yTwips);

// Heights and widths of the fixed rows and columns (they never scroll).
long FixedHeight(const FlexGrid& grid);
long FixedWidth(const FlexGrid& grid);

// Scrolling rows from TopRow that fit whole in the height (at least 1 when
// there is any scrolling row), and the last row at least partly shown.
long FullyVisibleRows(const FlexGrid& grid, long heightTwips);
long LastVisibleRow(const FlexGrid& grid, long heightTwips);
long FullyVisibleCols(const FlexGrid& grid, long widthTwips);
long LastVisibleCol(const FlexGrid& grid, long widthTwips);
// The largest TopRow (LeftCol) worth scrolling to: the one that shows the
// last row (column) at the bottom (right) edge.
long MaxTopRow(const FlexGrid& grid, long heightTwips);
long MaxLeftCol(const FlexGrid& grid, long widthTwips);
// Whether all rows (columns) fit without scrolling.
bool RowsFit(const FlexGrid& grid, long heightTwips);
bool ColsFit(const FlexGrid& grid, long widthTwips);

// Scrolls (TopRow, LeftCol) just enough for the cell to be shown whole.
// Answers true when anything moved.
bool EnsureCellVisible(FlexGrid& grid, long row, long col, long widthTwips, long heightTwips);

// The column whose right border lies within toleranceTwips of x, on the
// fixed rows (where dragging resizes it); -1 when none. Likewise rows on the
// fixed columns.
long ColumnBorderAt(const FlexGrid& grid, long xTwips, long toleranceTwips);
long RowBorderAt(const FlexGrid& grid, long yTwips, long toleranceTwips);

// A new current cell and selection end.
struct GridTarget {
    long Row = 0, Col = 0, RowSel = 0, ColSel = 0;
    bool operator==(const GridTarget& o) const {
        return Row == o.Row && Col == o.Col && RowSel == o.RowSel && ColSel == o.ColSel;
    }
};

// Keys that move the current cell: arrows, Page Up/Down (by pageRows),
// Home/End (row's first/last cell; with Ctrl the table's), Tab and
// Shift+Tab (next/previous cell, wrapping rows). Shift with the others
// extends the selection instead. Hidden rows and columns are passed over.
// nullopt for keys that do not navigate or a grid without data cells.
std::optional<GridTarget> KeyTarget(const FlexGrid& grid, int virtualKey, bool shift, bool ctrl, long pageRows);

// A mouse press: a data cell becomes current (Shift extends), a header cell
// selects its column, a line-number cell its row, the corner everything.
std::optional<GridTarget> PressTarget(const FlexGrid& grid, const GridHit& hit, bool shift);
// Dragging from the press: the selection end follows the pointer.
std::optional<GridTarget> DragTarget(const FlexGrid& grid, const GridHit& pressed, const GridHit& hit);

// Where pasted text goes: a selection of one cell grows to the text's rows
// and cells (within the grid); a larger selection stays as it is.
GridRange PasteRange(const FlexGrid& grid, const std::string& clipText);
