// The grid seen through its window: visible cells, hit tests, scrolling
// limits, keyboard and mouse targets.
#include "admin/grid/grid_view.h"

#include <algorithm>

namespace {

// Virtual keys (the system's values).
constexpr int kTab = 9, kPageUp = 33, kPageDown = 34, kEnd = 35, kHome = 36;
constexpr int kLeft = 37, kUp = 38, kRight = 39, kDown = 40;

long FirstDataRow(const FlexGrid& g) { return g.FixedRows(); }
long FirstDataCol(const FlexGrid& g) { return g.FixedCols(); }
bool HasDataCells(const FlexGrid& g) { return g.Rows() > g.FixedRows() && g.Cols() > g.FixedCols(); }

bool RowShown(const FlexGrid& g, long r) { return g.RowHeight(r) > 0; }
bool ColShown(const FlexGrid& g, long c) { return g.ColWidth(c) > 0; }

// The next shown data row in the direction, or `from` when there is none.
long StepRow(const FlexGrid& g, long from, int dir) {
    for (long r = from + dir; r >= FirstDataRow(g) && r < g.Rows(); r += dir)
        if (RowShown(g, r)) return r;
    return from;
}
long StepCol(const FlexGrid& g, long from, int dir) {
    for (long c = from + dir; c >= FirstDataCol(g) && c < g.Cols(); c += dir)
        if (ColShown(g, c)) return c;
    return from;
}
long EdgeRow(const FlexGrid& g, bool last) {
    long r = last ? g.Rows() : FirstDataRow(g) - 1;
    long step = StepRow(g, r, last ? -1 : 1);
    return step == r ? (last ? g.Rows() - 1 : FirstDataRow(g)) : step;
}
long EdgeCol(const FlexGrid& g, bool last) {
    long c = last ? g.Cols() : FirstDataCol(g) - 1;
    long step = StepCol(g, c, last ? -1 : 1);
    return step == c ? (last ? g.Cols() - 1 : FirstDataCol(g)) : step;
}
long ClampDataRow(const FlexGrid& g, long r) { return std::clamp(r, FirstDataRow(g), g.Rows() - 1); }
long ClampDataCol(const FlexGrid& g, long c) { return std::clamp(c, FirstDataCol(g), g.Cols() - 1); }

long Pages(const FlexGrid& g, long from, int dir, long pageRows) {
    long r = from;
    for (long i = 0; i < std::max(1L, pageRows); ++i) {
        long next = StepRow(g, r, dir);
        if (next == r) break;
        r = next;
    }
    return r;
}

}  // namespace

long FixedHeight(const FlexGrid& grid) {
    long h = 0;
    for (long r = 0; r < std::min(grid.FixedRows(), grid.Rows()); ++r) h += grid.RowHeight(r);
    return h;
}

long FixedWidth(const FlexGrid& grid) {
    long w = 0;
    for (long c = 0; c < std::min(grid.FixedCols(), grid.Cols()); ++c) w += grid.ColWidth(c);
    return w;
}

GridHit HitTest(const FlexGrid& grid, long x, long y) {
    GridHit hit;
    if (x < 0 || y < 0) return hit;
    long acc = 0;
    for (long r = 0; r < grid.Rows(); ++r) {
        if (r == grid.FixedRows()) r = std::max(r, grid.TopRow());
        if (r >= grid.Rows()) break;
        acc += grid.RowHeight(r);
        if (y < acc) {
            hit.Row = r;
            break;
        }
    }
    acc = 0;
    for (long c = 0; c < grid.Cols(); ++c) {
        if (c == grid.FixedCols()) c = std::max(c, grid.LeftCol());
        if (c >= grid.Cols()) break;
        acc += grid.ColWidth(c);
        if (x < acc) {
            hit.Col = c;
            break;
        }
    }
    return hit;
}

long FullyVisibleRows(const FlexGrid& grid, long height) {
    const long avail = height - FixedHeight(grid);
    long count = 0, acc = 0;
    for (long r = grid.TopRow(); r < grid.Rows(); ++r) {
        acc += grid.RowHeight(r);
        if (acc > avail) break;
        ++count;
    }
    return grid.TopRow() < grid.Rows() ? std::max(1L, count) : 0;
}

long LastVisibleRow(const FlexGrid& grid, long height) {
    const long avail = height - FixedHeight(grid);
    long last = grid.TopRow() - 1, acc = 0;
    for (long r = grid.TopRow(); r < grid.Rows() && acc < avail; ++r) {
        acc += grid.RowHeight(r);
        last = r;
    }
    return last;
}

long FullyVisibleCols(const FlexGrid& grid, long width) {
    const long avail = width - FixedWidth(grid);
    long count = 0, acc = 0;
    for (long c = grid.LeftCol(); c < grid.Cols(); ++c) {
        acc += grid.ColWidth(c);
        if (acc > avail) break;
        ++count;
    }
    return grid.LeftCol() < grid.Cols() ? std::max(1L, count) : 0;
}

long LastVisibleCol(const FlexGrid& grid, long width) {
    const long avail = width - FixedWidth(grid);
    long last = grid.LeftCol() - 1, acc = 0;
    for (long c = grid.LeftCol(); c < grid.Cols() && acc < avail; ++c) {
        acc += grid.ColWidth(c);
        last = c;
    }
    return last;
}

long MaxTopRow(const FlexGrid& grid, long height) {
    const long first = std::min(grid.FixedRows(), std::max(0L, grid.Rows() - 1));
    const long avail = height - FixedHeight(grid);
    long acc = 0;
    for (long r = grid.Rows() - 1; r >= grid.FixedRows(); --r) {
        acc += grid.RowHeight(r);
        if (acc > avail) return std::min(r + 1, grid.Rows() - 1);
    }
    return first;
}

long MaxLeftCol(const FlexGrid& grid, long width) {
    const long first = std::min(grid.FixedCols(), std::max(0L, grid.Cols() - 1));
    const long avail = width - FixedWidth(grid);
    long acc = 0;
    for (long c = grid.Cols() - 1; c >= grid.FixedCols(); --c) {
        acc += grid.ColWidth(c);
        if (acc > avail) return std::min(c + 1, grid.Cols() - 1);
    }
    return first;
}

bool RowsFit(const FlexGrid& grid, long height) {
    long acc = 0;
    for (long r = 0; r < grid.Rows(); ++r) {
        acc += grid.RowHeight(r);
        if (acc > height) return false;
    }
    return true;
}

bool ColsFit(const FlexGrid& grid, long width) { return grid.TotalColWidth() <= width; }

bool EnsureCellVisible(FlexGrid& grid, long row, long col, long width, long height) {
    bool moved = false;
    if (row >= grid.FixedRows() && grid.ValidRow(row)) {
        long top = grid.TopRow();
        if (row < top) {
            top = row;
        } else if (row > top) {
            const long avail = height - FixedHeight(grid);
            long acc = 0, r = row;
            // The highest top that still shows the row whole.
            for (; r >= grid.FixedRows(); --r) {
                acc += grid.RowHeight(r);
                if (acc > avail) break;
            }
            top = std::max(top, std::min(row, r + 1));
        }
        if (top != grid.TopRow()) {
            grid.SetTopRow(top);
            moved = true;
        }
    }
    if (col >= grid.FixedCols() && grid.ValidCol(col)) {
        long left = grid.LeftCol();
        if (col < left) {
            left = col;
        } else if (col > left) {
            const long avail = width - FixedWidth(grid);
            long acc = 0, c = col;
            for (; c >= grid.FixedCols(); --c) {
                acc += grid.ColWidth(c);
                if (acc > avail) break;
            }
            left = std::max(left, std::min(col, c + 1));
        }
        if (left != grid.LeftCol()) {
            grid.SetLeftCol(left);
            moved = true;
        }
    }
    return moved;
}

long ColumnBorderAt(const FlexGrid& grid, long x, long tolerance) {
    long acc = 0, found = -1;
    for (long c = 0; c < grid.Cols(); ++c) {
        if (c == grid.FixedCols()) c = std::max(c, grid.LeftCol());
        if (c >= grid.Cols()) break;
        acc += grid.ColWidth(c);
        if (acc - tolerance > x) break;
        // The rightmost border near x wins, so a hidden column is not picked
        // over the visible one sharing its border.
        if (x >= acc - tolerance && x <= acc + tolerance && grid.ColWidth(c) > 0) found = c;
    }
    return found;
}

long RowBorderAt(const FlexGrid& grid, long y, long tolerance) {
    long acc = 0, found = -1;
    for (long r = 0; r < grid.Rows(); ++r) {
        if (r == grid.FixedRows()) r = std::max(r, grid.TopRow());
        if (r >= grid.Rows()) break;
        acc += grid.RowHeight(r);
        if (acc - tolerance > y) break;
        if (y >= acc - tolerance && y <= acc + tolerance && grid.RowHeight(r) > 0) found = r;
    }
    return found;
}

std::optional<GridTarget> KeyTarget(const FlexGrid& g, int vk, bool shift, bool ctrl, long pageRows) {
    if (!HasDataCells(g)) return std::nullopt;
    const long row = ClampDataRow(g, g.Row()), col = ClampDataCol(g, g.Col());
    if (vk == kTab) {
        long r = row, c = StepCol(g, col, shift ? -1 : 1);
        if (c == col) {
            long nextRow = StepRow(g, row, shift ? -1 : 1);
            if (nextRow != row) {
                r = nextRow;
                c = EdgeCol(g, shift);
            }
        }
        return GridTarget{r, c, r, c};
    }
    // With Shift the selection end moves; otherwise the current cell.
    long r = shift ? ClampDataRow(g, g.RowSel()) : row;
    long c = shift ? ClampDataCol(g, g.ColSel()) : col;
    switch (vk) {
    case kLeft: c = StepCol(g, c, -1); break;
    case kRight: c = StepCol(g, c, 1); break;
    case kUp: r = StepRow(g, r, -1); break;
    case kDown: r = StepRow(g, r, 1); break;
    case kPageUp: r = Pages(g, r, -1, pageRows); break;
    case kPageDown: r = Pages(g, r, 1, pageRows); break;
    case kHome:
        c = EdgeCol(g, false);
        if (ctrl) r = EdgeRow(g, false);
        break;
    case kEnd:
        c = EdgeCol(g, true);
        if (ctrl) r = EdgeRow(g, true);
        break;
    default: return std::nullopt;
    }
    if (shift) return GridTarget{row, col, r, c};
    return GridTarget{r, c, r, c};
}

std::optional<GridTarget> PressTarget(const FlexGrid& g, const GridHit& hit, bool shift) {
    if (!HasDataCells(g) || hit.Row < 0 || hit.Col < 0) return std::nullopt;
    const long fr = FirstDataRow(g), fc = FirstDataCol(g);
    const bool headerRow = hit.Row < fr, numberCol = hit.Col < fc;
    if (headerRow && numberCol) return GridTarget{fr, fc, g.Rows() - 1, g.Cols() - 1};
    if (headerRow) {
        long from = shift ? ClampDataCol(g, g.Col()) : hit.Col;
        return GridTarget{fr, from, g.Rows() - 1, hit.Col};
    }
    if (numberCol) {
        long from = shift ? ClampDataRow(g, g.Row()) : hit.Row;
        return GridTarget{from, fc, hit.Row, g.Cols() - 1};
    }
    if (shift) return GridTarget{ClampDataRow(g, g.Row()), ClampDataCol(g, g.Col()), hit.Row, hit.Col};
    return GridTarget{hit.Row, hit.Col, hit.Row, hit.Col};
}

std::optional<GridTarget> DragTarget(const FlexGrid& g, const GridHit& pressed, const GridHit& hit) {
    if (!HasDataCells(g) || pressed.Row < 0 || pressed.Col < 0) return std::nullopt;
    const long fr = FirstDataRow(g), fc = FirstDataCol(g);
    // Past the last row or column the end sticks to it.
    const long r = hit.Row < 0 ? g.Rows() - 1 : ClampDataRow(g, hit.Row);
    const long c = hit.Col < 0 ? g.Cols() - 1 : ClampDataCol(g, hit.Col);
    const bool headerRow = pressed.Row < fr, numberCol = pressed.Col < fc;
    if (headerRow && numberCol) return std::nullopt;
    if (headerRow) return GridTarget{fr, pressed.Col, g.Rows() - 1, c};
    if (numberCol) return GridTarget{pressed.Row, fc, r, g.Cols() - 1};
    return GridTarget{pressed.Row, pressed.Col, r, c};
}

GridRange PasteRange(const FlexGrid& grid, const std::string& text) {
    GridRange range = grid.Selection();
    if (range.Top != range.Bottom || range.Left != range.Right) return range;
    long rows = 1, cells = 1, widest = 1;
    for (size_t i = 0; i < text.size(); ++i) {
        const char ch = text[i];
        if (ch == '\t') {
            widest = std::max(widest, ++cells);
        } else if (ch == '\r' || ch == '\n') {
            if (ch == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            if (i + 1 < text.size()) ++rows;  // a final line end opens no row
            cells = 1;
        }
    }
    range.Bottom = std::min(grid.Rows() - 1, range.Top + rows - 1);
    range.Right = std::min(grid.Cols() - 1, range.Left + widest - 1);
    return range;
}
