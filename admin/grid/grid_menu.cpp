// The header option list, sorting, fitting, totals, selection, colours,
// row styles and finding.
#include "admin/grid/grid_menu.h"

#include <algorithm>

#include "admin/grid/vb_values.h"
#include "shared/text_routines.h"

namespace {

const char* const kCaptions[] = {"Sort None",
                                 "Generic Ascending",
                                 "Generic Descending",
                                 "Numeric Ascending",
                                 "Numeric Descending",
                                 "No Case Asending",
                                 "No Case Descending",
                                 "String Ascending",
                                 "String Descending",
                                 "Auto Column Fit",
                                 "Find"};

constexpr long kFitMargin = 120;  // twips of room around measured text

void HideEditor(EditGridModel& grid) {
    if (grid.HideCellEditor) grid.HideCellEditor();
}

}  // namespace

std::string HeaderOptionCaption(int code) {
    if (code < 0 || code > OptionFind) return std::string();
    return kCaptions[code];
}

std::vector<HeaderOption> ColComboOptions(const std::string& sOption) {
    std::vector<HeaderOption> out;
    for (int code = 0; code <= OptionNone; ++code) {
        std::string caption = HeaderOptionCaption(code);
        if (caption.empty()) continue;
        if (sOption.find(std::to_string(code)) != std::string::npos) out.push_back({caption, code});
    }
    return out;
}

bool ShouldShowHeaderOptions(const EditGridModel& grid, long mouseRow, long entryCount) {
    return grid.Grid.Row() == grid.Grid.RowSel() && mouseRow == 0 && entryCount >= 1;
}

HeaderOptionAction ChooseHeaderOption(long position, int code) {
    if (position < 1) return HeaderOptionAction::None;
    if (code >= OptionGenericAscending && code <= OptionStringDescending) return HeaderOptionAction::Sort;
    if (code == OptionAutoColumnFit) return HeaderOptionAction::AutoColFit;
    if (code == OptionFind) return HeaderOptionAction::Find;
    return HeaderOptionAction::None;
}

HeaderOptionAction RunHeaderOption(EditGridModel& grid, long position, int code) {
    HeaderOptionAction action = ChooseHeaderOption(position, code);
    switch (action) {
    case HeaderOptionAction::Sort:
        HideEditor(grid);
        Sort(grid, code);
        break;
    case HeaderOptionAction::AutoColFit:
        HideEditor(grid);
        AutoColFit(grid);
        break;
    default: break;
    }
    return action;
}

void SelectColumn(EditGridModel& grid, long col) {
    FlexGrid& g = grid.Grid;
    if (g.Rows() < 2 || !g.ValidCol(col)) return;
    g.SetSelection(1, col, g.Rows() - 1, col);
}

void Sort(EditGridModel& grid, int SortID) {
    if (SortID < 1 || SortID > 8) return;
    grid.Grid.Sort(SortID);
    grid.PackGrid();
}

void AutoColFit(EditGridModel& grid) {
    FlexGrid& g = grid.Grid;
    const auto& widths = grid.ColTextWidths();
    for (long c = g.Col(); c <= g.ColSel() && g.ValidCol(c); ++c) {
        const long recorded = c < static_cast<long>(widths.size()) ? widths[static_cast<size_t>(c)] : 0;
        g.SetColWidth(c, static_cast<int>(std::min<long>(recorded * 100, kMaxColWidth)));
    }
}

void FitColumnsToText(EditGridModel& grid, const TextMeasure& measure) {
    FlexGrid& g = grid.Grid;
    if (!measure) return;
    const long from = std::min(g.Col(), g.ColSel());
    const long to = std::max(g.Col(), g.ColSel());
    for (long c = from; c <= to && g.ValidCol(c); ++c) {
        long widest = -1;
        for (long r = 0; r < g.Rows(); ++r) {
            const std::string& text = g.TextMatrix(r, c);
            if (!text.empty()) widest = std::max(widest, measure(text));
        }
        if (widest >= 0) g.SetColWidth(c, static_cast<int>(std::min<long>(widest + kFitMargin, kMaxColWidth)));
    }
}

double ColTotal(const EditGridModel& grid, long iCol) {
    const FlexGrid& g = grid.Grid;
    if (!g.ValidCol(iCol)) return 0;
    double total = 0;
    for (long r = 1; r < g.Rows(); ++r) {
        const std::string& text = g.TextMatrix(r, iCol);
        double v = 0;
        if (!IsBlankText(text) && IsNumericText(text, &v)) total += v;
    }
    return total;
}

void SelectOneRow(EditGridModel& grid) {
    FlexGrid& g = grid.Grid;
    if (g.Cols() > 0) g.SetSelection(g.Row(), 0, g.Row(), g.Cols() - 1);
}

void SelectGridAll(EditGridModel& grid) {
    FlexGrid& g = grid.Grid;
    if (g.Rows() > 1 && g.Cols() > 0) g.SetSelection(1, 0, g.Rows() - 1, g.Cols() - 1);
}

void SelectGridNone(EditGridModel& grid) {
    if (grid.Grid.Rows() > 0 && grid.Grid.Cols() > 0) grid.Grid.SetSelection(0, 0, 0, 0);
}

void SetCellForeColor(EditGridModel& grid, long lRow, long lCol, uint32_t lColor) {
    FlexGrid& g = grid.Grid;
    if (!g.ValidCell(lRow, lCol)) return;
    g.SetCurrentCell(lRow, lCol);
    CellAttributes a = g.CellAttr(lRow, lCol);
    a.ForeColor = lColor;
    g.SetCellAttr(lRow, lCol, a);
}

void SetRowForeColor(EditGridModel& grid, long lRow, uint32_t lColor) {
    FlexGrid& g = grid.Grid;
    if (!g.ValidRow(lRow)) return;
    const long col = g.Col();
    g.SetRow(lRow);
    for (long c = 0; c < g.Cols(); ++c) {
        CellAttributes a = g.CellAttr(lRow, c);
        a.ForeColor = lColor;
        g.SetCellAttr(lRow, c, a);
    }
    g.SetCurrentCell(lRow, col);
}

void SetRowStyle(EditGridModel& grid, long iRow, const std::string& strStyle, long iSet) {
    FlexGrid& g = grid.Grid;
    if (!g.ValidRow(iRow) || g.Cols() == 0) return;
    g.SetSelection(iRow, 0, iRow, g.Cols() - 1);
    g.Props().FillStyle = FillRepeat;
    const bool on = iSet != 0;
    if (strStyle == "Bold") {
        g.SetCellFontBold(on);
    } else if (strStyle == "Italic") {
        g.SetCellFontItalic(on);
    } else if (strStyle == "StrickThrough") {
        g.SetCellFontStrikeThrough(on);
    } else if (strStyle == "UnderLine") {
        g.SetCellFontUnderline(on);
    } else {
        g.SetCellFontStrikeThrough(false);
        g.SetCellFontUnderline(false);
        g.SetCellFontItalic(false);
    }
    g.Props().FillStyle = FillSingle;
}

bool FindNext(EditGridModel& grid, const std::string& text, bool matchCase) {
    FlexGrid& g = grid.Grid;
    const long rows = g.Rows(), cols = g.Cols();
    if (text.empty() || rows < 2 || cols < 2) return false;
    const std::string needle = matchCase ? text : ToLower(text);
    // 64-bit positions: rows x columns passes what a 32-bit long holds.
    const long long dataCols = cols - 1;
    const long long cells = static_cast<long long>(rows - 1) * dataCols;
    // Position of the current cell in data-cell order (-1 before the first).
    long long start = -1;
    if (g.Row() >= 1 && g.Col() >= 1) start = static_cast<long long>(g.Row() - 1) * dataCols + (g.Col() - 1);
    for (long long k = 1; k <= cells; ++k) {
        long long idx = (start + k) % cells;
        const long r = static_cast<long>(idx / dataCols + 1), c = static_cast<long>(idx % dataCols + 1);
        if (g.ColWidth(c) == 0) continue;
        const std::string& cell = g.TextMatrix(r, c);
        if (cell.size() < needle.size()) continue;
        bool hit = matchCase ? cell.find(needle) != std::string::npos : ToLower(cell).find(needle) != std::string::npos;
        if (!hit) continue;
        g.SetCurrentCell(r, c);
        if (r < g.TopRow()) g.SetTopRow(r);
        return true;
    }
    return false;
}
