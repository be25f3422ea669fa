// The inner flex grid: cells, geometry, selection, clip text, sorting.
#include "admin/grid/grid_model.h"

#include <algorithm>

#include "admin/grid/grid_sort.h"

namespace {
const std::string kEmptyText;
const CellAttributes kPlainAttr;
const std::vector<GridCell> kNoCells;

long Clamp(long v, long lo, long hi) { return v < lo ? lo : (v > hi ? hi : v); }
}  // namespace

FlexGrid::FlexGrid() {
    SetCols(2);
    SetRows(2);
}

void FlexGrid::Notify(GridChange change) const {
    if (onChange_) onChange_(change);
}

FlexGrid::GridRow FlexGrid::NewRow() const {
    GridRow row;
    row.Cells.resize(static_cast<size_t>(cols_));
    row.Height = defaultRowHeight_;
    return row;
}

void FlexGrid::ClampCursor() {
    long lastRow = std::max(0L, Rows() - 1);
    long lastCol = std::max(0L, cols_ - 1);
    row_ = Clamp(row_, 0, lastRow);
    rowSel_ = Clamp(rowSel_, 0, lastRow);
    col_ = Clamp(col_, 0, lastCol);
    colSel_ = Clamp(colSel_, 0, lastCol);
    topRow_ = Clamp(topRow_, std::min(fixedRows_, lastRow), lastRow);
    leftCol_ = Clamp(leftCol_, std::min(fixedCols_, lastCol), lastCol);
}

void FlexGrid::SetRows(long rows) {
    rows = Clamp(rows, 0, kMaxGridRows);
    if (rows == Rows()) return;
    if (rows < Rows()) {
        rows_.resize(static_cast<size_t>(rows));
    } else {
        while (Rows() < rows) rows_.push_back(NewRow());
    }
    if (fixedRows_ > rows) fixedRows_ = rows;
    ClampCursor();
    Notify(GridChange::Layout);
}

void FlexGrid::SetCols(long cols) {
    cols = Clamp(cols, 0, kMaxGridCols);
    if (cols == cols_ && static_cast<long>(columns_.size()) == cols) return;
    cols_ = cols;
    columns_.resize(static_cast<size_t>(cols));
    for (auto& row : rows_) row.Cells.resize(static_cast<size_t>(cols));
    if (fixedCols_ > cols) fixedCols_ = cols;
    ClampCursor();
    Notify(GridChange::Layout);
}

void FlexGrid::SetFixedRows(long n) {
    fixedRows_ = Clamp(n, 0, Rows());
    ClampCursor();
    Notify(GridChange::Layout);
}

void FlexGrid::SetFixedCols(long n) {
    fixedCols_ = Clamp(n, 0, cols_);
    ClampCursor();
    Notify(GridChange::Layout);
}

bool FlexGrid::ValidCell(long row, long col) const { return ValidRow(row) && ValidCol(col); }

const std::string& FlexGrid::TextMatrix(long row, long col) const {
    if (!ValidCell(row, col)) return kEmptyText;
    return rows_[static_cast<size_t>(row)].Cells[static_cast<size_t>(col)].Text;
}

void FlexGrid::SetTextMatrix(long row, long col, const std::string& text) {
    if (!ValidCell(row, col)) return;
    std::string& cell = rows_[static_cast<size_t>(row)].Cells[static_cast<size_t>(col)].Text;
    if (cell == text) return;  // renumbering rewrites mostly equal texts
    cell = text;
    Notify(GridChange::Cells);
}

const std::string& FlexGrid::TextArray(long index) const {
    if (cols_ <= 0 || index < 0) return kEmptyText;
    return TextMatrix(index / cols_, index % cols_);
}

void FlexGrid::SetTextArray(long index, const std::string& text) {
    if (cols_ <= 0 || index < 0) return;
    SetTextMatrix(index / cols_, index % cols_, text);
}

template <class F>
void FlexGrid::ForFillCells(F f) {
    if (!ValidCell(row_, col_)) return;
    if (props_.FillStyle == FillRepeat) {
        GridRange r = Selection();
        for (long i = r.Top; i <= r.Bottom; ++i)
            for (long j = r.Left; j <= r.Right; ++j) f(rows_[static_cast<size_t>(i)].Cells[static_cast<size_t>(j)]);
    } else {
        f(rows_[static_cast<size_t>(row_)].Cells[static_cast<size_t>(col_)]);
    }
    Notify(GridChange::Cells);
}

void FlexGrid::SetText(const std::string& text) {
    ForFillCells([&](GridCell& c) { c.Text = text; });
}

void FlexGrid::SetRow(long row) {
    if (!ValidRow(row)) return;
    row_ = rowSel_ = row;
    Notify(GridChange::Selection);
}

void FlexGrid::SetCol(long col) {
    if (!ValidCol(col)) return;
    col_ = colSel_ = col;
    Notify(GridChange::Selection);
}

void FlexGrid::SetRowSel(long row) {
    if (!ValidRow(row)) return;
    rowSel_ = row;
    Notify(GridChange::Selection);
}

void FlexGrid::SetColSel(long col) {
    if (!ValidCol(col)) return;
    colSel_ = col;
    Notify(GridChange::Selection);
}

void FlexGrid::SetCurrentCell(long row, long col) {
    if (!ValidCell(row, col)) return;
    row_ = rowSel_ = row;
    col_ = colSel_ = col;
    Notify(GridChange::Selection);
}

void FlexGrid::SetSelection(long row, long col, long rowSel, long colSel) {
    if (!ValidCell(row, col) || !ValidCell(rowSel, colSel)) return;
    row_ = row;
    col_ = col;
    rowSel_ = rowSel;
    colSel_ = colSel;
    Notify(GridChange::Selection);
}

GridRange FlexGrid::Selection() const {
    GridRange r;
    r.Top = std::min(row_, rowSel_);
    r.Bottom = std::max(row_, rowSel_);
    r.Left = std::min(col_, colSel_);
    r.Right = std::max(col_, colSel_);
    return r;
}

void FlexGrid::SetTopRow(long row) {
    if (!ValidRow(row)) return;
    topRow_ = std::max(row, std::min(fixedRows_, Rows() - 1));
    Notify(GridChange::Scroll);
}

void FlexGrid::SetLeftCol(long col) {
    if (!ValidCol(col)) return;
    leftCol_ = std::max(col, std::min(fixedCols_, cols_ - 1));
    Notify(GridChange::Scroll);
}

std::string FlexGrid::Clip() const {
    if (Rows() == 0 || cols_ == 0) return std::string();
    GridRange r = Selection();
    std::string out;
    for (long i = r.Top; i <= r.Bottom; ++i) {
        if (i > r.Top) out += '\r';
        const auto& cells = rows_[static_cast<size_t>(i)].Cells;
        for (long j = r.Left; j <= r.Right; ++j) {
            if (j > r.Left) out += '\t';
            out += cells[static_cast<size_t>(j)].Text;
        }
    }
    return out;
}

void FlexGrid::SetClip(const std::string& text) {
    if (Rows() == 0 || cols_ == 0) return;
    GridRange r = Selection();
    long i = r.Top, j = r.Left;
    size_t pos = 0;
    const size_t n = text.size();
    while (i <= r.Bottom) {
        // One cell: up to tab, CR or LF.
        size_t end = pos;
        while (end < n && text[end] != '\t' && text[end] != '\r' && text[end] != '\n') ++end;
        if (j <= r.Right)
            rows_[static_cast<size_t>(i)].Cells[static_cast<size_t>(j)].Text = text.substr(pos, end - pos);
        if (end >= n) break;
        if (text[end] == '\t') {
            ++j;
            pos = end + 1;
        } else {
            // CR LF counts as one line end, as does a lone CR or LF.
            pos = end + 1;
            if (text[end] == '\r' && pos < n && text[pos] == '\n') ++pos;
            ++i;
            j = r.Left;
            if (pos >= n) break;
        }
    }
    Notify(GridChange::Cells);
}

long FlexGrid::RowData(long row) const { return ValidRow(row) ? rows_[static_cast<size_t>(row)].Data : 0; }

void FlexGrid::SetRowData(long row, long value) {
    if (ValidRow(row)) rows_[static_cast<size_t>(row)].Data = value;
}

long FlexGrid::ColData(long col) const { return ValidCol(col) ? columns_[static_cast<size_t>(col)].Data : 0; }

void FlexGrid::SetColData(long col, long value) {
    if (ValidCol(col)) columns_[static_cast<size_t>(col)].Data = value;
}

int FlexGrid::RowHeight(long row) const { return ValidRow(row) ? rows_[static_cast<size_t>(row)].Height : 0; }

void FlexGrid::SetRowHeight(long row, int twips) {
    if (!ValidRow(row)) return;
    rows_[static_cast<size_t>(row)].Height = twips < 0 ? defaultRowHeight_ : std::min(twips, 32767);
    Notify(GridChange::Layout);
}

int FlexGrid::ColWidth(long col) const { return ValidCol(col) ? columns_[static_cast<size_t>(col)].Width : 0; }

void FlexGrid::SetColWidth(long col, int twips) {
    if (!ValidCol(col)) return;
    columns_[static_cast<size_t>(col)].Width = twips < 0 ? kDefaultColWidth : std::min(twips, 32767);
    Notify(GridChange::Layout);
}

int FlexGrid::ColAlignment(long col) const { return ValidCol(col) ? columns_[static_cast<size_t>(col)].Alignment : 0; }

void FlexGrid::SetColAlignment(long col, int alignment) {
    if (!ValidCol(col)) return;
    columns_[static_cast<size_t>(col)].Alignment = alignment;
    Notify(GridChange::Cells);
}

int FlexGrid::FixedAlignment(long col) const {
    return ValidCol(col) ? columns_[static_cast<size_t>(col)].FixedAlignment : 0;
}

void FlexGrid::SetFixedAlignment(long col, int alignment) {
    if (!ValidCol(col)) return;
    columns_[static_cast<size_t>(col)].FixedAlignment = alignment;
    Notify(GridChange::Cells);
}

bool FlexGrid::MergeRow(long row) const { return ValidRow(row) && rows_[static_cast<size_t>(row)].Merge; }

void FlexGrid::SetMergeRow(long row, bool merge) {
    if (ValidRow(row)) rows_[static_cast<size_t>(row)].Merge = merge;
}

bool FlexGrid::MergeCol(long col) const { return ValidCol(col) && columns_[static_cast<size_t>(col)].Merge; }

void FlexGrid::SetMergeCol(long col, bool merge) {
    if (ValidCol(col)) columns_[static_cast<size_t>(col)].Merge = merge;
}

void FlexGrid::SetDefaultRowHeight(int twips) {
    defaultRowHeight_ = twips < 1 ? kStandardRowHeight : std::min(twips, 32767);
}

namespace {
// Sums in 64 bits; a position past what a long holds is pinned to its end.
long PinToLong(long long v) {
    const long long lo = -2147483647LL, hi = 2147483647LL;
    return static_cast<long>(v < lo ? lo : (v > hi ? hi : v));
}
}  // namespace

long FlexGrid::RowPos(long row) const {
    if (!ValidRow(row)) return 0;
    long long pos = 0;
    long fixed = std::min(fixedRows_, Rows());
    for (long i = 0; i < fixed && i < row; ++i) pos += rows_[static_cast<size_t>(i)].Height;
    if (row < fixed) return PinToLong(pos);
    if (row >= topRow_) {
        for (long i = topRow_; i < row; ++i) pos += rows_[static_cast<size_t>(i)].Height;
    } else {
        for (long i = row; i < topRow_; ++i) pos -= rows_[static_cast<size_t>(i)].Height;
    }
    return PinToLong(pos);
}

long FlexGrid::ColPos(long col) const {
    if (!ValidCol(col)) return 0;
    long long pos = 0;
    long fixed = std::min(fixedCols_, cols_);
    for (long j = 0; j < fixed && j < col; ++j) pos += columns_[static_cast<size_t>(j)].Width;
    if (col < fixed) return PinToLong(pos);
    if (col >= leftCol_) {
        for (long j = leftCol_; j < col; ++j) pos += columns_[static_cast<size_t>(j)].Width;
    } else {
        for (long j = col; j < leftCol_; ++j) pos -= columns_[static_cast<size_t>(j)].Width;
    }
    return PinToLong(pos);
}

long FlexGrid::TotalColWidth() const {
    long long total = 0;
    for (const auto& c : columns_) total += c.Width;
    return PinToLong(total);
}

const CellAttributes& FlexGrid::CellAttr(long row, long col) const {
    if (!ValidCell(row, col)) return kPlainAttr;
    return rows_[static_cast<size_t>(row)].Cells[static_cast<size_t>(col)].Attr;
}

void FlexGrid::SetCellAttr(long row, long col, const CellAttributes& attr) {
    if (!ValidCell(row, col)) return;
    rows_[static_cast<size_t>(row)].Cells[static_cast<size_t>(col)].Attr = attr;
    Notify(GridChange::Cells);
}

void FlexGrid::SetCellForeColor(uint32_t color) {
    ForFillCells([&](GridCell& c) { c.Attr.ForeColor = color; });
}
void FlexGrid::SetCellFontBold(bool on) {
    ForFillCells([&](GridCell& c) { c.Attr.Bold = on; });
}
void FlexGrid::SetCellFontItalic(bool on) {
    ForFillCells([&](GridCell& c) { c.Attr.Italic = on; });
}
void FlexGrid::SetCellFontUnderline(bool on) {
    ForFillCells([&](GridCell& c) { c.Attr.Underline = on; });
}
void FlexGrid::SetCellFontStrikeThrough(bool on) {
    ForFillCells([&](GridCell& c) { c.Attr.StrikeThrough = on; });
}

long FlexGrid::AddItem(const std::string& item, long index) {
    if (Rows() >= kMaxGridRows) return -1;
    if (index < 0 || index > Rows()) index = Rows();
    GridRow row = NewRow();
    size_t pos = 0;
    for (long j = 0; j < cols_; ++j) {
        size_t end = item.find('\t', pos);
        row.Cells[static_cast<size_t>(j)].Text =
            item.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
        if (end == std::string::npos) break;
        pos = end + 1;
    }
    rows_.insert(rows_.begin() + index, std::move(row));
    ClampCursor();
    Notify(GridChange::Layout);
    return index;
}

void FlexGrid::RemoveItem(long index) {
    if (!ValidRow(index)) return;
    rows_.erase(rows_.begin() + index);
    if (fixedRows_ > Rows()) fixedRows_ = Rows();
    ClampCursor();
    Notify(GridChange::Layout);
}

void FlexGrid::Clear() {
    for (auto& row : rows_)
        for (auto& c : row.Cells) c = GridCell();
    Notify(GridChange::Cells);
}

void FlexGrid::ArrangeRows(long first, const std::vector<long>& sourceRows) {
    const long n = static_cast<long>(sourceRows.size());
    if (first < 0 || first + n > Rows()) return;
    std::vector<bool> seen(static_cast<size_t>(n), false);
    for (long src : sourceRows) {
        if (src < first || src >= first + n || seen[static_cast<size_t>(src - first)]) return;
        seen[static_cast<size_t>(src - first)] = true;
    }
    std::vector<GridRow> moved;
    moved.reserve(static_cast<size_t>(n));
    for (long src : sourceRows) moved.push_back(std::move(rows_[static_cast<size_t>(src)]));
    for (long k = 0; k < n; ++k) {
        GridRow& target = rows_[static_cast<size_t>(first + k)];
        target.Cells = std::move(moved[static_cast<size_t>(k)].Cells);
        target.Data = moved[static_cast<size_t>(k)].Data;
        target.Merge = moved[static_cast<size_t>(k)].Merge;
    }
    Notify(GridChange::Cells);
}

void FlexGrid::Sort(int kind) {
    if (kind < 1 || kind > 8) return;
    GridRange r = Selection();
    long top = std::max(r.Top, fixedRows_);
    long bottom = r.Bottom;
    if (top >= bottom || !ValidRow(bottom)) return;
    std::vector<long> keys;
    for (long j = std::max(r.Left, 0L); j <= r.Right && j < cols_; ++j) keys.push_back(j);
    auto less = [&](const GridRow& a, const GridRow& b) {
        for (long k : keys) {
            int c = CompareForSort(kind, a.Cells[static_cast<size_t>(k)].Text, b.Cells[static_cast<size_t>(k)].Text);
            if (c != 0) return c < 0;
        }
        return false;
    };
    std::stable_sort(rows_.begin() + top, rows_.begin() + bottom + 1, less);
    Notify(GridChange::Cells);
}

const std::vector<GridCell>& FlexGrid::RowCells(long row) const {
    return ValidRow(row) ? rows_[static_cast<size_t>(row)].Cells : kNoCells;
}
