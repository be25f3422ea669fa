// The header option list (ctlColCombo), column fitting, the find box and
// the colour dialogs.
#include <windows.h>

#include <commdlg.h>

#include <algorithm>

#include "admin/grid/edit_grid_procs_win32.h"
#include "admin/grid/grid_find_box_win32.h"
#include "admin/grid/grid_menu.h"

namespace {
constexpr int kCustomSort = 9;  // the grid's custom sort: the owner's Compare
}  // namespace

void ctlEditGrid::SetColComboOption(const std::string& sOption) {
    if (!colCombo_) return;
    for (const HeaderOption& option : ColComboOptions(sOption)) {
        const LRESULT index =
            SendMessageA(colCombo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(option.Caption.c_str()));
        if (index >= 0) SendMessageA(colCombo_, CB_SETITEMDATA, static_cast<WPARAM>(index), option.Code);
    }
}

void ctlEditGrid::ShowHeaderOptions() {
    const FlexGrid& g = model_.Grid;
    // Over the header cell of the current column (the top of the first
    // scrolling row is where the current cell would be with no scrolling).
    POINT origin{0, 0};
    MapWindowPoints(GridHwnd(), Hwnd(), &origin, 1);
    CellRect cell;
    cell.Left = scale_.ToTwipsX(origin.x) + g.ColPos(g.Col());
    cell.Top = scale_.ToTwipsY(origin.y) + FixedHeight(g);
    cell.Width = g.ColWidth(g.Col());
    cell.Height = g.RowHeight(g.Row());
    const EditorPlacement p = PlaceHeaderOptions(cell);
    SetWindowPos(colCombo_, HWND_TOP, static_cast<int>(scale_.ToPixelsX(p.Left)),
                 static_cast<int>(std::max(0L, scale_.ToPixelsY(p.Top))), static_cast<int>(scale_.ToPixelsX(p.Width)),
                 kComboDropHeight, SWP_SHOWWINDOW);
    headerListShown_ = true;
    FitDroppedWidth(colCombo_);
    ::SetFocus(colCombo_);
    SendMessageA(colCombo_, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SendMessageA(colCombo_, CB_SHOWDROPDOWN, TRUE, 0);
}

void ctlEditGrid::HideHeaderOptions() {
    if (!headerListShown_) return;
    headerListShown_ = false;
    SendMessageA(colCombo_, CB_SHOWDROPDOWN, FALSE, 0);
    ShowWindow(colCombo_, SW_HIDE);
    // The column selected by the header press goes back to its current
    // cell, so the next press on a header offers the list again.
    FlexGrid& g = model_.Grid;
    if (g.Row() != g.RowSel() || g.Col() != g.ColSel()) MoveTo(GridTarget{g.Row(), g.Col(), g.Row(), g.Col()}, -1, -1);
}

void ctlEditGrid::OnHeaderOptionChosen() {
    const LRESULT position = SendMessageA(colCombo_, CB_GETCURSEL, 0, 0);
    if (position < 0) return;
    const int code = static_cast<int>(SendMessageA(colCombo_, CB_GETITEMDATA, static_cast<WPARAM>(position), 0));
    HeaderOptionAction action = ChooseHeaderOption(position, code);
    if (action == HeaderOptionAction::AutoColFit) {
        CloseEditor();
        AutoColFit();
    } else if (action == HeaderOptionAction::Sort) {
        CloseEditor();
        Sort(code);
    }
    // Away from the list: it hides itself on losing the focus.
    ::SetFocus(GridHwnd());
    if (action == HeaderOptionAction::Find) ShowFindBox();
    Refresh();
}

void ctlEditGrid::Sort(int SortID) {
    if (SortID != kCustomSort) {
        ::Sort(model_, SortID);
        return;
    }
    FlexGrid& g = model_.Grid;
    const GridRange r = g.Selection();
    const long top = std::max(r.Top, g.FixedRows());
    if (top >= r.Bottom) return;
    std::vector<long> order;
    for (long row = top; row <= r.Bottom; ++row) order.push_back(row);
    // The owner answers -1, 0 or 1 for each pair, as the grid's custom sort asks.
    std::stable_sort(order.begin(), order.end(), [this](long a, long b) {
        int Cmp = 0;
        listener_->Compare(a, b, Cmp);
        return Cmp < 0;
    });
    g.ArrangeRows(top, order);
    model_.PackGrid();
}

void ctlEditGrid::AutoColFit() { ::AutoColFit(model_); }

void ctlEditGrid::FitColumnsToText() {
    ::FitColumnsToText(model_,
                       [this](const std::string& text) { return painter_.MeasureText(GridHwnd(), text, scale_); });
}

bool ctlEditGrid::FindNext(const std::string& text, bool matchCase) {
    if (!::FindNext(model_, text, matchCase)) return false;
    FlexGrid& g = model_.Grid;
    const long row = g.Row(), col = g.Col();
    // FindNext moved the cell itself; show it and tell the owner as a user
    // move would.
    EnsureCellVisible(g, row, col, GridAreaWidth(), GridAreaHeight());
    NoteEnteredCell(model_);
    listener_->EnterCell();
    listener_->RowColChange();
    listener_->SelChange();
    Refresh();
    return true;
}

void ctlEditGrid::ShowFindBox() {
    if (!Hwnd()) return;
    CommitOpenEditor();
    CloseEditor();
    if (!findBox_) {
        findBox_ = std::make_unique<GridFindBox>(
            [this](const std::string& text, bool matchCase) { return FindNext(text, matchCase); });
    }
    findBox_->Show(GetAncestor(Hwnd(), GA_ROOT), painter_.BaseFont());
}

namespace {

bool AskColour(HWND owner, COLORREF start, COLORREF* custom, COLORREF& chosen) {
    // The dialog library is loaded when a colour is asked for, not at start.
    LibraryHandle dialogs(LoadLibraryA("comdlg32.dll"));
    auto choose = dialogs.Valid() ? reinterpret_cast<decltype(&ChooseColorA)>(
                                        reinterpret_cast<void*>(GetProcAddress(dialogs.Get(), "ChooseColorA")))
                                  : nullptr;
    if (!choose) return false;
    CHOOSECOLORA dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.rgbResult = start;
    dialog.lpCustColors = custom;
    dialog.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!choose(&dialog)) return false;
    chosen = dialog.rgbResult;
    return true;
}

}  // namespace

bool ctlEditGrid::ChooseCellForeColor() {
    FlexGrid& g = model_.Grid;
    const uint32_t now = g.CellForeColor();
    COLORREF colour = 0;
    const COLORREF start = ResolveGridColor(now == kDefaultCellColor ? g.Props().ForeColor : now);
    if (!AskColour(Hwnd(), start, customColours_, colour)) return false;
    ::SetCellForeColor(model_, g.Row(), g.Col(), colour);
    return true;
}

bool ctlEditGrid::ChooseRowForeColor() {
    FlexGrid& g = model_.Grid;
    const uint32_t now = g.CellForeColor();
    COLORREF colour = 0;
    const COLORREF start = ResolveGridColor(now == kDefaultCellColor ? g.Props().ForeColor : now);
    if (!AskColour(Hwnd(), start, customColours_, colour)) return false;
    ::SetRowForeColor(model_, g.Row(), colour);
    return true;
}
