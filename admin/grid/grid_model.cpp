// ctlEditGrid's row and table operations, line numbers, the one-row
// clipboard, row marking and set-up.
#include "admin/grid/grid_model.h"

#include <algorithm>
#include <cstdlib>

#include "admin/grid/grid_properties.h"
#include "admin/grid/vb_values.h"
#include "shared/text_routines.h"

bool IsBlankText(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

namespace {
const std::string kCrLf = "\r\n";
}  // namespace

EditGridModel::EditGridModel() = default;

// ---------------- text forms ----------------

std::string EditGridModel::Grid2Str(const std::string& sSaparator) {
    const std::string trimmed = Trim(sSaparator);
    const std::string& separator = trimmed.empty() ? kCrLf : trimmed;
    Grid.Props().HighLight = HighLightNever;
    const long rows = Grid.Rows();
    const long cols = Grid.Cols();
    std::string out;
    long last = -1;
    for (long i = 1; i < rows; ++i) {
        const auto& cells = Grid.RowCells(i);
        for (long j = 0; j < cols; ++j) {
            if (j > 0) out += '\t';
            out += cells[static_cast<size_t>(j)].Text;
        }
        out += separator;
        last = i;
        if (cols < 2 || cells[1].Text.empty()) break;
    }
    // The scan leaves the whole last scanned row selected.
    if (last > 0 && cols > 0) Grid.SetSelection(last, 0, last, cols - 1);
    Grid.Props().HighLight = HighLightWithFocus;
    Grid.PropsChanged();
    return out;
}

void EditGridModel::Str2Gird(const std::string& sText) { Grid.SetClip(sText); }

void EditGridModel::SelectWholeRow(long row) {
    if (!Grid.ValidRow(row) || Grid.Cols() == 0) return;
    Grid.SetSelection(row, 0, row, Grid.Cols() - 1);
}

std::string EditGridModel::CurrentRowStr() {
    SelectWholeRow(Grid.Row());
    return Grid.Clip();
}

std::string EditGridModel::RowToStr(long lRow, const std::string& iEndCol) const {
    if (!Grid.ValidRow(lRow)) return std::string();
    double end = LeadingValue(iEndCol);
    long stop = Grid.Cols();
    if (end > 0 && end < static_cast<double>(stop)) stop = static_cast<long>(end);
    std::string out;
    const auto& cells = Grid.RowCells(lRow);
    for (long j = 0; j < stop; ++j) {
        if (j > 0) out += ',';
        out += cells[static_cast<size_t>(j)].Text;
    }
    return out;
}

void EditGridModel::StrToRow(const std::string& sStr, long lLine) {
    if (!Grid.ValidRow(lLine) || lLine < 1) return;
    std::vector<std::string> items;
    size_t pos = 0;
    while (true) {
        size_t comma = sStr.find(',', pos);
        items.push_back(sStr.substr(pos, comma == std::string::npos ? std::string::npos : comma - pos));
        if (comma == std::string::npos) break;
        pos = comma + 1;
    }
    // Too few items for the columns: the row is left as it was.
    if (static_cast<long>(items.size()) < Grid.Cols()) return;
    for (long i = 1; i < Grid.Cols(); ++i) Grid.SetTextMatrix(lLine, i, items[static_cast<size_t>(i)]);
}

// ---------------- lookups ----------------

long EditGridModel::GetSelRow(const std::string& sValue, long iCol) const {
    if (!Grid.ValidCol(iCol)) return Grid.Rows();
    for (long r = 1; r < Grid.Rows(); ++r)
        if (Grid.TextMatrix(r, iCol) == sValue) return r;
    return Grid.Rows();
}

long EditGridModel::Duplicate(const std::string& sText, long iCol, long lCurrLineNo) const {
    if (!Grid.ValidCol(iCol)) return 0;
    for (long r = 1; r < Grid.Rows(); ++r)
        if (r != lCurrLineNo && Grid.TextMatrix(r, iCol) == sText) return r;
    return 0;
}

std::string EditGridModel::GetHightLightValue() const { return Grid.TextMatrix(Grid.RowSel(), Grid.ColSel()); }

bool EditGridModel::RowChanges() const { return Grid.Row() != GetLastEditRow(); }

bool EditGridModel::IsRowStrikeThrough() const { return Grid.CellFontStrikeThrough(); }

bool EditGridModel::IsRowEmpty(long row) const {
    const auto& cells = Grid.RowCells(row);
    for (size_t j = 1; j < cells.size(); ++j)
        if (!IsBlankText(cells[j].Text)) return false;
    return true;
}

// ---------------- row and table operations ----------------

void EditGridModel::GrowRows(long by) {
    long first = Grid.Rows();
    Grid.SetRows(first + by);
    for (long r = first; r < Grid.Rows(); ++r) Grid.SetRowHeight(r, kStandardRowHeight);
}

void EditGridModel::AddBottomRow() { GrowRows(1); }

long EditGridModel::AddItem(const std::string& Item, long Index) {
    if (Index < -1 || Index > Grid.Rows()) return -1;
    long row = Grid.AddItem(Item, Index);
    if (row >= 0) Grid.SetRowHeight(row, kStandardRowHeight);
    return row;
}

void EditGridModel::AddRowDetail(const std::vector<std::string>& sContents, long lRowKey, long iSetRowNum,
                                 long LineNo) {
    HideEditor();
    long target = LineNo > 0 ? LineNo : lastEditRow_ + 1;
    // A target beyond the first row past the end is outside the grid.
    if (target < 1 || target > Grid.Rows()) return;
    lastEditRow_ = target;
    while (target >= Grid.Rows() - 1 && Grid.Rows() < kMaxGridRows) GrowRows(kGrowRows);
    if (target >= Grid.Rows()) return;
    Grid.SetRowData(target, lRowKey);
    if (iSetRowNum != 0) Grid.SetTextMatrix(target, 0, std::to_string(target));
    if (colTextWidths_.size() < static_cast<size_t>(Grid.Cols()) + 1)
        colTextWidths_.resize(static_cast<size_t>(Grid.Cols()) + 1, 0);
    for (size_t i = 1; i < sContents.size() && static_cast<long>(i) < Grid.Cols(); ++i) {
        Grid.SetTextMatrix(target, static_cast<long>(i), sContents[i]);
        size_t len = std::min<size_t>(sContents[i].size(), 32767);
        if (len > colTextWidths_[i]) colTextWidths_[i] = static_cast<uint16_t>(len);
    }
}

void EditGridModel::RemoveItemByName(const std::string& sItemName) {
    for (long r = 1; r < Grid.Rows(); ++r) {
        if (Grid.TextMatrix(r, 1) == sItemName) {
            Grid.RemoveItem(r);
            return;
        }
    }
}

void EditGridModel::DeleteGridRows() {
    const long rowsBefore = Grid.Rows();
    long top = std::max(1L, std::min(Grid.Row(), Grid.RowSel()));
    long bottom = std::max(Grid.Row(), Grid.RowSel());
    if (bottom < top || !Grid.ValidRow(bottom)) return;
    for (long k = top; k <= bottom; ++k) Grid.RemoveItem(top);
    GrowRows(rowsBefore - Grid.Rows());
}

void EditGridModel::ClearRow(long iRow) {
    HideEditor();
    if (iRow < 1 || !Grid.ValidRow(iRow)) return;
    for (long j = 1; j < Grid.Cols(); ++j) Grid.SetTextMatrix(iRow, j, std::string());
    Grid.SetRowData(iRow, 0);
}

void EditGridModel::CopyRow(long lFrom, long lTo) {
    if (lFrom < 1 || !Grid.ValidRow(lFrom) || lTo < 1 || lTo >= Grid.Rows() + kGrowRows) return;
    if (lTo >= Grid.Rows()) GrowRows(kGrowRows);
    for (long j = 1; j < Grid.Cols(); ++j) Grid.SetTextMatrix(lTo, j, Grid.TextMatrix(lFrom, j));
    double number = 0;
    if (IsNumericText(Grid.TextMatrix(lFrom, 0), &number)) Grid.SetTextMatrix(lTo, 0, NumberText(number + 1));
    Grid.SetRowData(lTo, Grid.RowData(lFrom));
}

long EditGridModel::InsertOneLine(bool iKeepOldLine) {
    const long current = Grid.Row();
    if (current < 1 || !Grid.ValidRow(current)) return 0;
    auto notBlank = [&](long r) { return !IsBlankText(Grid.TextMatrix(r, 0)) || !IsBlankText(Grid.TextMatrix(r, 1)); };
    for (long r = Grid.Rows() - 1; r >= 1; --r) {
        if (notBlank(r)) {
            CopyRow(r, r + 1);
        } else if (r > current && r + 1 < Grid.Rows()) {
            // A gap moves down too, so the row below is not left doubled.
            for (long j = 0; j < Grid.Cols(); ++j) Grid.SetTextMatrix(r + 1, j, Grid.TextMatrix(r, j));
            Grid.SetRowData(r + 1, Grid.RowData(r));
        }
        if (r == current) {
            if (!iKeepOldLine) ClearRow(r);
            break;
        }
    }
    return current;
}

void EditGridModel::PackGrid() {
    const long key = Grid.Col();
    const long rows = Grid.Rows();
    if (rows < 3 || !Grid.ValidCol(key)) return;
    // Rows with a key move up in order; rows without one keep theirs below,
    // so a row whose key cell alone is blank is not overwritten.
    std::vector<long> keyed, unkeyed;
    for (long r = 1; r < rows; ++r) (IsBlankText(Grid.TextMatrix(r, key)) ? unkeyed : keyed).push_back(r);
    if (keyed.empty() || unkeyed.empty()) return;
    keyed.insert(keyed.end(), unkeyed.begin(), unkeyed.end());
    Grid.ArrangeRows(1, keyed);
}

void EditGridModel::GridClear() {
    std::vector<std::string> header;
    for (long j = 0; j < Grid.Cols(); ++j) header.push_back(Grid.TextMatrix(0, j));
    Grid.Clear();
    for (long j = 0; j < Grid.Cols(); ++j) Grid.SetTextMatrix(0, j, header[static_cast<size_t>(j)]);
    for (long r = 1; r < Grid.Rows(); ++r) Grid.SetRowData(r, 0);
    lastEditRow_ = 0;
    if (Grid.Rows() > 1 && Grid.Cols() > 1) Grid.SetSelection(1, 1, 1, 1);
}

// ---------------- line numbers ----------------

long EditGridModel::LastEditRow() {
    long last = 0;
    for (long r = 1; r < Grid.Rows(); ++r) {
        if (IsRowEmpty(r)) break;
        Grid.SetTextMatrix(r, 0, std::to_string(r));
        last = r;
    }
    return last;
}

void EditGridModel::SetLastEditRow() {
    long row = Grid.Row();
    if (row <= LastEditRow() + 1) lastEditRow_ = row;
}

void EditGridModel::SetLineNumber(long lCurLine, long lLineNo) {
    Grid.SetTextMatrix(lCurLine, 0, std::to_string(lLineNo));
}

void EditGridModel::SetLastLineNumber(long lLineNo) { SetLineNumber(GetLastEditRow(), lLineNo); }

long EditGridModel::RefreshItemNumber() {
    long r = 1;
    for (; r < Grid.Rows(); ++r) {
        if (IsRowEmpty(r)) break;
        Grid.SetTextMatrix(r, 0, std::to_string(r));
    }
    return r == 1 ? 0 : r;
}

void EditGridModel::ResetLineNumber() {
    for (long r = 1; r < Grid.Rows(); ++r)
        if (!IsBlankText(Grid.TextMatrix(r, 0))) Grid.SetTextMatrix(r, 0, std::to_string(r));
}

// ---------------- the one-row clipboard ----------------

bool EditGridModel::RowOperation(int iOperation) {
    const long row = Grid.Row();
    switch (iOperation) {
    case RowClipEmpty: clipText_.clear(); return true;
    case RowClipQuery: return !clipText_.empty();
    case RowClipCut:
    case RowClipCopy:
        if (row < 1) return false;
        clipSourceRow_ = iOperation == RowClipCut ? row : -1;
        clipText_ = Grid.Clip();
        clipRowData_ = Grid.RowData(row);
        return false;
    case RowClipPaste:
        if (row >= 1) {
            if (clipSourceRow_ < 1) {
                if (!clipText_.empty()) {
                    Grid.SetClip(clipText_);
                    Grid.SetRowData(row, -1);
                }
            } else if (clipSourceRow_ < Grid.Rows()) {
                const GridRange sel = Grid.Selection();
                Grid.RemoveItem(clipSourceRow_);
                // Removing may pull the selection up at the bottom edge; keep it.
                Grid.SetSelection(std::min(row, Grid.Rows() - 1), sel.Left, std::min(row, Grid.Rows() - 1), sel.Right);
                InsertOneLine(true);
                Grid.SetClip(clipText_);
                Grid.SetRowData(Grid.Row(), clipRowData_);
                RefreshItemNumber();
                AddBottomRow();
            }
        }
        clipSourceRow_ = -1;
        return false;
    case RowClipDelete:
        if (row >= 1 && Grid.ValidRow(row)) {
            Grid.RemoveItem(row);
            AddBottomRow();
        }
        clipSourceRow_ = -1;
        return false;
    default: return false;
    }
}

// ---------------- row marking ----------------

void EditGridModel::SetRowStrikeThrough(long iFlag) {
    if (!Grid.ValidRow(Grid.Row())) return;
    SelectWholeRow(Grid.Row());
    Grid.Props().FillStyle = FillRepeat;
    Grid.SetCellFontStrikeThrough(iFlag != 0);
    Grid.Props().FillStyle = FillSingle;
}

void EditGridModel::ToggleRowStrikeThrough() {
    HideEditor();
    if (!Grid.ValidRow(Grid.Row())) return;
    SetRowStrikeThrough(Grid.CellAttr(Grid.Row(), 0).StrikeThrough ? 0 : 1);
}

// ---------------- set-up ----------------

void EditGridModel::Setup() {
    const size_t n = static_cast<size_t>(Grid.Cols()) + 1;
    colEditors_.resize(n);
    colTextWidths_.resize(n, 0);
    SetGridSize();
    for (long r = 0; r < Grid.Rows(); ++r) Grid.SetRowHeight(r, kStandardRowHeight);
}

void EditGridModel::SetupColHeaders(const std::vector<std::string>& sGridColNames,
                                    const std::vector<std::string>& sColHeaders) {
    if (sGridColNames.size() < 2) return;
    for (size_t i = 0; i + 1 < sGridColNames.size(); ++i) {
        long col = static_cast<long>(i);
        if (!Grid.ValidCol(col)) break;
        if (i < sColHeaders.size() && !IsBlankText(sColHeaders[i])) {
            Grid.SetTextMatrix(0, col, sColHeaders[i]);
        } else if (!IsBlankText(sGridColNames[i])) {
            Grid.SetTextMatrix(0, col, sGridColNames[i]);
        } else {
            Grid.SetTextMatrix(0, col, std::string());
            Grid.SetColWidth(col, 0);
        }
    }
}

void EditGridModel::SetColFormat(const std::string& sInColFormat) {
    colFormats_.clear();
    size_t pos = 0;
    while (true) {
        size_t comma = sInColFormat.find(',', pos);
        colFormats_.push_back(sInColFormat.substr(pos, comma == std::string::npos ? std::string::npos : comma - pos));
        if (comma == std::string::npos) break;
        pos = comma + 1;
    }
}

void EditGridModel::SetRowHeight(int Height, long iStart) {
    if (Height < 1) Height = kStandardRowHeight;
    if (iStart < 0) iStart = 0;
    for (long r = iStart; r < Grid.Rows(); ++r) Grid.SetRowHeight(r, Height);
    if (Grid.Rows() > 1) Grid.SetRowSel(1);
}

ColumnEditor EditGridModel::EditorOf(long col) const {
    if (col < 0 || col >= static_cast<long>(colEditors_.size())) return ColumnEditor();
    return colEditors_[static_cast<size_t>(col)];
}

std::string EditGridModel::ColFormatOf(long col) const {
    if (col < 0 || col >= static_cast<long>(colFormats_.size())) return std::string();
    return colFormats_[static_cast<size_t>(col)];
}

// ---------------- sizing ----------------

void EditGridModel::SetGridSize() {
    GridSizeResult r = ComputeGridSize(Grid, ControlWidth, ControlHeight);
    GridWidth = r.Width;
    GridHeight = r.Height;
    Grid.Props().ScrollBars = r.ScrollBars;
    Grid.PropsChanged();
}

void EditGridModel::SetGridWidthByCaller(long iWidth) {
    GridSizeResult r = ComputeGridWidthByCaller(Grid, iWidth, ControlWidth, ControlHeight);
    GridWidth = r.Width;
    if (r.Height > 0) GridHeight = r.Height;
    Grid.Props().ScrollBars = r.ScrollBars;
    Grid.PropsChanged();
}
