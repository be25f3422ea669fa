// The inner grid window (ctlGrid): painting, scroll bars, keyboard and mouse.
#include <algorithm>

#include "admin/grid/edit_grid_procs_win32.h"
#include "shared/win32/handles.h"
#include "admin/grid/grid_menu.h"

namespace {

constexpr int kBorderGrip = 3;  // pixels either side of a border that resize
constexpr int kWheelRows = 3;   // rows per wheel notch

long ClampLong(long v, long lo, long hi) { return std::max(lo, std::min(v, hi)); }

}  // namespace

GridHit ctlEditGrid::HitAt(int x, int y) const { return HitTest(model_.Grid, scale_.ToTwipsX(x), scale_.ToTwipsY(y)); }

long ctlEditGrid::GridAreaWidth() const {
    RECT r{};
    GetClientRect(GridHwnd(), &r);
    return scale_.ToTwipsX(r.right);
}

long ctlEditGrid::GridAreaHeight() const {
    RECT r{};
    GetClientRect(GridHwnd(), &r);
    return scale_.ToTwipsY(r.bottom);
}

int ctlEditGrid::ShiftState() const {
    return (GetKeyState(VK_SHIFT) < 0 ? 1 : 0) | (GetKeyState(VK_CONTROL) < 0 ? 2 : 0) |
           (GetKeyState(VK_MENU) < 0 ? 4 : 0);
}

void ctlEditGrid::PaintGrid() {
    paintPending_ = false;
    PaintDC dc(GridHwnd());
    RECT client{};
    GetClientRect(GridHwnd(), &client);
    painter_.Paint(dc.Get(), client, dc.Area(), model_.Grid, scale_, GetFocus() == GridHwnd());
}

void ctlEditGrid::UpdateScrollBars() {
    if (!GridHwnd()) return;
    FlexGrid& g = model_.Grid;
    RECT outer{};
    GetWindowRect(GridHwnd(), &outer);
    const int width = outer.right - outer.left, height = outer.bottom - outer.top;
    const int barWidth = GetSystemMetrics(SM_CXVSCROLL), barHeight = GetSystemMetrics(SM_CYHSCROLL);
    const bool allowH = (g.Props().ScrollBars & ScrollHorizontal) != 0;
    const bool allowV = (g.Props().ScrollBars & ScrollVertical) != 0;
    bool needV = allowV && !RowsFit(g, scale_.ToTwipsY(height));
    const bool needH = allowH && !ColsFit(g, scale_.ToTwipsX(width - (needV ? barWidth : 0)));
    if (needH && allowV && !needV) needV = !RowsFit(g, scale_.ToTwipsY(height - barHeight));

    const LONG_PTR style = GetWindowLongPtrA(GridHwnd(), GWL_STYLE);
    if (((style & WS_VSCROLL) != 0) != needV) ShowScrollBar(GridHwnd(), SB_VERT, needV);
    if (((style & WS_HSCROLL) != 0) != needH) ShowScrollBar(GridHwnd(), SB_HORZ, needH);

    const long areaW = GridAreaWidth(), areaH = GridAreaHeight();
    // Rows and columns past what can be scrolled to come back into view.
    const long maxTop = MaxTopRow(g, areaH), maxLeft = MaxLeftCol(g, areaW);
    if (g.TopRow() > maxTop) g.SetTopRow(maxTop);
    if (g.LeftCol() > maxLeft) g.SetLeftCol(maxLeft);
    if (!needV && g.TopRow() != std::min(g.FixedRows(), std::max(0L, g.Rows() - 1)))
        g.SetTopRow(std::min(g.FixedRows(), std::max(0L, g.Rows() - 1)));
    if (!needH && g.LeftCol() != std::min(g.FixedCols(), std::max(0L, g.Cols() - 1)))
        g.SetLeftCol(std::min(g.FixedCols(), std::max(0L, g.Cols() - 1)));

    if (needV) {
        const long page = FullyVisibleRows(g, areaH);
        SetScrollBar(SB_VERT, g.FixedRows(), maxTop + page - 1, page, g.TopRow());
    }
    if (needH) {
        const long page = FullyVisibleCols(g, areaW);
        SetScrollBar(SB_HORZ, g.FixedCols(), maxLeft + page - 1, page, g.LeftCol());
    }
}

void ctlEditGrid::SetScrollBar(int bar, long min, long max, long page, long pos) {
    SCROLLINFO now{};
    now.cbSize = sizeof(now);
    now.fMask = SIF_ALL;
    GetScrollInfo(GridHwnd(), bar, &now);
    // Redrawing a scroll bar is dear under X: only when something changed.
    if (now.nMin == min && now.nMax == max && now.nPage == static_cast<UINT>(page) && now.nPos == pos) return;
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    info.nMin = static_cast<int>(min);
    info.nMax = static_cast<int>(max);
    info.nPage = static_cast<UINT>(page);
    info.nPos = static_cast<int>(pos);
    SetScrollInfo(GridHwnd(), bar, &info, TRUE);
}

void ctlEditGrid::ScrollTo(long topRow, long leftCol) {
    FlexGrid& g = model_.Grid;
    topRow = ClampLong(topRow, g.FixedRows(), MaxTopRow(g, GridAreaHeight()));
    leftCol = ClampLong(leftCol, g.FixedCols(), MaxLeftCol(g, GridAreaWidth()));
    if (topRow == g.TopRow() && leftCol == g.LeftCol()) return;
    if (topRow != g.TopRow() && g.ValidRow(topRow)) g.SetTopRow(topRow);
    if (leftCol != g.LeftCol() && g.ValidCol(leftCol)) g.SetLeftCol(leftCol);
    SetScrollPos(GridHwnd(), SB_VERT, static_cast<int>(g.TopRow()), TRUE);
    SetScrollPos(GridHwnd(), SB_HORZ, static_cast<int>(g.LeftCol()), TRUE);
    listener_->Scroll();
    // The editor cannot follow its cell out of view; what was typed is kept.
    if (openKind_ != 0) {
        CommitOpenEditor();
        CloseEditor();
    }
    UpdateWindow(GridHwnd());
}

void ctlEditGrid::OnScroll(int bar, int code) {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    if (!GetScrollInfo(GridHwnd(), bar, &info)) return;
    long pos = info.nPos;
    const long page = std::max<long>(1, static_cast<long>(info.nPage));
    switch (code) {
    case SB_LINEUP: pos -= 1; break;
    case SB_LINEDOWN: pos += 1; break;
    case SB_PAGEUP: pos -= page; break;
    case SB_PAGEDOWN: pos += page; break;
    case SB_TOP: pos = info.nMin; break;
    case SB_BOTTOM: pos = info.nMax; break;
    case SB_THUMBTRACK:
        if (!model_.Grid.Props().ScrollTrack) return;
        pos = info.nTrackPos;
        break;
    case SB_THUMBPOSITION: pos = info.nTrackPos; break;
    default: return;
    }
    const FlexGrid& g = model_.Grid;
    if (bar == SB_VERT) ScrollTo(pos, g.LeftCol());
    else ScrollTo(g.TopRow(), pos);
}

void ctlEditGrid::OnWheel(int delta) {
    const long rows = -delta * kWheelRows / WHEEL_DELTA;
    if (rows != 0) ScrollTo(model_.Grid.TopRow() + rows, model_.Grid.LeftCol());
}

void ctlEditGrid::MoveTo(const GridTarget& target, long showRow, long showCol) {
    FlexGrid& g = model_.Grid;
    const bool cellChanges = target.Row != g.Row() || target.Col != g.Col();
    const bool selectionChanges = cellChanges || target.RowSel != g.RowSel() || target.ColSel != g.ColSel();
    if (!selectionChanges) return;
    if (cellChanges) LeaveCurrentCell();
    g.SetSelection(target.Row, target.Col, target.RowSel, target.ColSel);
    const bool scrolled = EnsureCellVisible(g, showRow, showCol, GridAreaWidth(), GridAreaHeight());
    if (cellChanges) {
        NoteEnteredCell(model_);
        listener_->EnterCell();
        listener_->RowColChange();
    }
    listener_->SelChange();
    if (scrolled) {
        SetScrollPos(GridHwnd(), SB_VERT, static_cast<int>(g.TopRow()), TRUE);
        SetScrollPos(GridHwnd(), SB_HORZ, static_cast<int>(g.LeftCol()), TRUE);
        listener_->Scroll();
    }
}

void ctlEditGrid::OnGridKeyDown(WPARAM key) {
    suppressChar_ = false;
    int KeyCode = static_cast<int>(key), Shift = ShiftState();
    listener_->KeyDown(KeyCode, Shift);
    if (KeyCode == 0) return;
    const bool ctrl = (Shift & 2) != 0;
    if (ctrl && (KeyCode == 'C' || KeyCode == VK_INSERT)) {
        CopyToClipboard();
        suppressChar_ = true;
        return;
    }
    if (ctrl && KeyCode == 'V') {
        PasteFromClipboard();
        suppressChar_ = true;
        return;
    }
    const long page = FullyVisibleRows(model_.Grid, GridAreaHeight());
    if (auto target = KeyTarget(model_.Grid, KeyCode, (Shift & 1) != 0, ctrl, page))
        MoveTo(*target, target->RowSel, target->ColSel);
}

void ctlEditGrid::OnGridChar(WPARAM ch) {
    if (suppressChar_) {
        suppressChar_ = false;
        return;
    }
    int KeyAscii = static_cast<int>(ch & 0xFF);
    listener_->KeyPress(KeyAscii);
    // Printable characters begin an edit with themselves, Enter with the
    // cell's text; other control characters (Tab, Escape ...) do not.
    if (KeyAscii == VK_RETURN || KeyAscii >= 32) BeginCellEdit(KeyAscii);
}

void ctlEditGrid::OnGridKeyUp(WPARAM key) {
    int KeyCode = static_cast<int>(key), Shift = ShiftState();
    listener_->KeyUp(KeyCode, Shift);
}

void ctlEditGrid::OnGridMouseDown(int button, WPARAM, int x, int y) {
    if (GetFocus() != GridHwnd()) ::SetFocus(GridHwnd());
    const GridHit hit = HitAt(x, y);
    mouseRow_ = hit.Row;
    mouseCol_ = hit.Col;
    const int shift = ShiftState();
    const long X = scale_.ToTwipsX(x), Y = scale_.ToTwipsY(y);
    FlexGrid& g = model_.Grid;
    if (button != 1) {
        listener_->MouseDown(button, shift, X, Y);
        return;
    }
    const int resizing = g.Props().AllowUserResizing;
    const long grip = scale_.ToTwipsX(kBorderGrip);
    if ((resizing & 1) && hit.Row >= 0 && hit.Row < g.FixedRows()) {
        resizingCol_ = ColumnBorderAt(g, X, grip);
    }
    if (resizingCol_ < 0 && (resizing & 2) && hit.Col >= 0 && hit.Col < g.FixedCols()) {
        resizingRow_ = RowBorderAt(g, Y, scale_.ToTwipsY(kBorderGrip));
    }
    if (resizingCol_ >= 0 || resizingRow_ >= 0) {
        CloseEditor();
        SetCapture(GridHwnd());
        listener_->MouseDown(button, shift, X, Y);
        return;
    }
    const bool singleRow = g.Row() == g.RowSel();
    if (auto target = PressTarget(g, hit, (shift & 1) != 0)) {
        const bool dataCell = hit.Row >= g.FixedRows() && hit.Col >= g.FixedCols();
        MoveTo(*target, dataCell ? hit.Row : -1, dataCell ? hit.Col : -1);
        pressed_ = (shift & 1) ? GridHit{g.Row(), g.Col()} : hit;
        selecting_ = true;
        SetCapture(GridHwnd());
    }
    listener_->MouseDown(button, shift, X, Y);
    if (singleRow) {
        const long entries = static_cast<long>(SendMessageA(colCombo_, CB_GETCOUNT, 0, 0));
        if (hit.Row == 0 && hit.Col >= g.FixedCols() && entries >= 1) ShowHeaderOptions();
        CloseEditor();
    }
}

void ctlEditGrid::OnGridMouseMove(WPARAM flags, int x, int y) {
    if (!trackingLeave_) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, GridHwnd(), 0};
        trackingLeave_ = TrackMouseEvent(&track) != FALSE;
    }
    FlexGrid& g = model_.Grid;
    GridHit hit = HitAt(x, y);
    mouseRow_ = hit.Row;
    mouseCol_ = hit.Col;
    const long X = scale_.ToTwipsX(x), Y = scale_.ToTwipsY(y);
    if (resizingCol_ >= 0) {
        g.SetColWidth(resizingCol_, static_cast<int>(std::max(0L, X - g.ColPos(resizingCol_))));
    } else if (resizingRow_ >= 0) {
        g.SetRowHeight(resizingRow_, static_cast<int>(std::max(0L, Y - g.RowPos(resizingRow_))));
    } else if (selecting_ && (flags & MK_LBUTTON)) {
        RECT client{};
        GetClientRect(GridHwnd(), &client);
        // Past the top or left edge the selection walks back one row or
        // column at a time (scrolling); past the other edges, forwards.
        GridHit at = HitAt(std::max(0, std::min(x, static_cast<int>(client.right) - 1)),
                           std::max(0, std::min(y, static_cast<int>(client.bottom) - 1)));
        if (y < 0 || (at.Row >= 0 && at.Row < g.FixedRows())) at.Row = std::max(g.FixedRows(), g.TopRow() - 1);
        if (x < 0 || (at.Col >= 0 && at.Col < g.FixedCols())) at.Col = std::max(g.FixedCols(), g.LeftCol() - 1);
        if (auto target = DragTarget(g, pressed_, at)) {
            const bool rowsOnly = pressed_.Col < g.FixedCols(), colsOnly = pressed_.Row < g.FixedRows();
            MoveTo(*target, colsOnly ? -1 : target->RowSel, rowsOnly ? -1 : target->ColSel);
        }
    }
    const int button = (flags & MK_LBUTTON) ? 1 : (flags & MK_RBUTTON) ? 2 : (flags & MK_MBUTTON) ? 4 : 0;
    listener_->MouseMove(button, ShiftState(), X, Y);
}

void ctlEditGrid::OnGridMouseUp(int button, WPARAM, int x, int y) {
    const bool wasSelecting = selecting_;
    selecting_ = false;
    resizingCol_ = resizingRow_ = -1;
    if (GetCapture() == GridHwnd()) ReleaseCapture();
    const GridHit hit = HitAt(x, y);
    listener_->MouseUp(button, ShiftState(), scale_.ToTwipsX(x), scale_.ToTwipsY(y));
    if (button == 1 && wasSelecting && hit.Row == pressed_.Row && hit.Col == pressed_.Col) listener_->Click();
}

bool ctlEditGrid::OnGridSetCursor() {
    POINT at{};
    GetCursorPos(&at);
    ScreenToClient(GridHwnd(), &at);
    const FlexGrid& g = model_.Grid;
    const GridHit hit = HitAt(at.x, at.y);
    const int resizing = g.Props().AllowUserResizing;
    LPCSTR cursor = nullptr;
    if ((resizing & 1) && hit.Row >= 0 && hit.Row < g.FixedRows() &&
        ColumnBorderAt(g, scale_.ToTwipsX(at.x), scale_.ToTwipsX(kBorderGrip)) >= 0)
        cursor = reinterpret_cast<LPCSTR>(IDC_SIZEWE);
    else if ((resizing & 2) && hit.Col >= 0 && hit.Col < g.FixedCols() &&
             RowBorderAt(g, scale_.ToTwipsY(at.y), scale_.ToTwipsY(kBorderGrip)) >= 0)
        cursor = reinterpret_cast<LPCSTR>(IDC_SIZENS);
    if (!cursor) {
        // The owner's MousePointer: the grid's numbering of the system cursors.
        switch (g.Props().MousePointer) {
        case 1: cursor = reinterpret_cast<LPCSTR>(IDC_ARROW); break;
        case 2: cursor = reinterpret_cast<LPCSTR>(IDC_CROSS); break;
        case 3: cursor = reinterpret_cast<LPCSTR>(IDC_IBEAM); break;
        case 5:
        case 15: cursor = reinterpret_cast<LPCSTR>(IDC_SIZEALL); break;
        case 6: cursor = reinterpret_cast<LPCSTR>(IDC_SIZENESW); break;
        case 7: cursor = reinterpret_cast<LPCSTR>(IDC_SIZENS); break;
        case 8: cursor = reinterpret_cast<LPCSTR>(IDC_SIZENWSE); break;
        case 9: cursor = reinterpret_cast<LPCSTR>(IDC_SIZEWE); break;
        case 10: cursor = reinterpret_cast<LPCSTR>(IDC_UPARROW); break;
        case 11: cursor = reinterpret_cast<LPCSTR>(IDC_WAIT); break;
        case 12: cursor = reinterpret_cast<LPCSTR>(IDC_NO); break;
        case 13: cursor = reinterpret_cast<LPCSTR>(IDC_APPSTARTING); break;
        case 14: cursor = reinterpret_cast<LPCSTR>(IDC_HELP); break;
        default: return false;
        }
    }
    SetCursor(LoadCursorA(nullptr, cursor));
    return true;
}

void ctlEditGrid::OnGridFocusLost(HWND newFocus) {
    InvalidateRect(GridHwnd(), nullptr, FALSE);
    // Leaving the control for another control: the owner may keep the focus.
    if (!newFocus || newFocus == Hwnd() || IsChild(Hwnd(), newFocus)) return;
    if (!model_.Grid.Props().CausesValidation) return;
    bool Cancel = false;
    listener_->Validate(Cancel);
    if (Cancel) PostMessageA(GridHwnd(), WM_GRID_REFOCUS, 0, 0);
}

LRESULT ctlEditGrid::OnGridMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
    switch (message) {
    case WM_PAINT: PaintGrid(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SETFOCUS: InvalidateRect(GridHwnd(), nullptr, FALSE); return 0;
    case WM_KILLFOCUS: OnGridFocusLost(reinterpret_cast<HWND>(wParam)); return 0;
    case WM_GRID_REFOCUS: ::SetFocus(GridHwnd()); return 0;
    case WM_GETDLGCODE: return DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB;
    case WM_KEYDOWN: OnGridKeyDown(wParam); return 0;
    case WM_CHAR: OnGridChar(wParam); return 0;
    case WM_KEYUP: OnGridKeyUp(wParam); return 0;
    case WM_VSCROLL: OnScroll(SB_VERT, LOWORD(wParam)); return 0;
    case WM_HSCROLL: OnScroll(SB_HORZ, LOWORD(wParam)); return 0;
    case WM_MOUSEWHEEL: OnWheel(GET_WHEEL_DELTA_WPARAM(wParam)); return 0;
    case WM_LBUTTONDOWN: OnGridMouseDown(1, wParam, x, y); return 0;
    case WM_RBUTTONDOWN: OnGridMouseDown(2, wParam, x, y); return 0;
    case WM_MBUTTONDOWN: OnGridMouseDown(4, wParam, x, y); return 0;
    case WM_LBUTTONUP: OnGridMouseUp(1, wParam, x, y); return 0;
    case WM_RBUTTONUP: OnGridMouseUp(2, wParam, x, y); return 0;
    case WM_MBUTTONUP: OnGridMouseUp(4, wParam, x, y); return 0;
    case WM_LBUTTONDBLCLK: listener_->DblClick(); return 0;
    case WM_MOUSEMOVE: OnGridMouseMove(wParam, x, y); return 0;
    case WM_MOUSELEAVE:
        trackingLeave_ = false;
        mouseRow_ = mouseCol_ = -1;
        return 0;
    case WM_CAPTURECHANGED:
        selecting_ = false;
        resizingCol_ = resizingRow_ = -1;
        return 0;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT && OnGridSetCursor()) return TRUE;
        break;
    case WM_SIZE: InvalidateRect(GridHwnd(), nullptr, FALSE); return 0;
    default: break;
    }
    return inner_.Default(message, wParam, lParam);
}
