// The in-cell editors: the shared text field with its up-down buttons, the
// per-column drop-downs and the info box; beginning, committing, cancelling
// and moving on, their keys, auto-completion and the spin buttons.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cmath>

#include "admin/grid/edit_grid_procs_win32.h"
#include "shared/win32/subclass.h"
#include "shared/win32/window_helpers.h"

namespace {

bool IsInside(HWND window, HWND parent) { return window && (window == parent || IsChild(parent, window)); }

HWND ComboEditChild(HWND combo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    if (GetComboBoxInfo(combo, &info) && info.hwndItem) return info.hwndItem;
    return FindWindowExA(combo, nullptr, "Edit", nullptr);
}

// The first entry equal to the text (case counts), or -1.
long ExactIndex(const std::vector<std::string>& entries, const std::string& text) {
    auto it = std::find(entries.begin(), entries.end(), text);
    return it == entries.end() ? -1 : static_cast<long>(it - entries.begin());
}

// A hidden editor of the control at the size it starts with (a drop-down's
// height is that of its open list).
HWND CreateEditor(HWND control, const char* className, DWORD style, int id, int width, int height) {
    HWND editor = CreateChildControl(control, className, "", style, id);
    if (editor) MoveWindow(editor, 0, 0, width, height, FALSE);
    return editor;
}

long RoundToPixels(long twips, long perPixel) {
    return static_cast<long>(std::lround(static_cast<double>(twips) / static_cast<double>(perPixel)));
}

}  // namespace

// ---- creation ----

void ctlEditGrid::CreateEditors() {
    HWND control = Hwnd();
    text_ = CreateEditor(control, "EDIT", WS_BORDER | ES_AUTOHSCROLL, kGridTextId, 10, 10);
    SubclassWindow(text_, EditGridProcs::Text);
    upDown_ = CreateEditor(control, UPDOWN_CLASSA, 0, kGridUpDownId, 16, 20);
    SendMessageA(upDown_, UDM_SETRANGE32, 0, 100);
    SendMessageA(upDown_, UDM_SETPOS32, 0, 50);
    info_ = CreateEditor(control, "EDIT", ES_READONLY | ES_AUTOHSCROLL, kGridInfoId, 10, 10);
    colCombo_ =
        CreateEditor(control, "COMBOBOX", WS_VSCROLL | CBS_DROPDOWNLIST, kGridColComboId, 100, kComboDropHeight);
}

HWND ctlEditGrid::ComboOf(const std::map<long, HWND>& list, long col) {
    auto it = list.find(col);
    return it == list.end() ? nullptr : it->second;
}

HWND ctlEditGrid::EnsureCombo(long col, int kind) {
    auto& list = kind == EditorDropDownList ? combos_ : comboEdits_;
    if (HWND existing = ComboOf(list, col)) return existing;
    if (!Hwnd()) return nullptr;
    const int id = (kind == EditorDropDownList ? kGridComboBase : kGridComboEditBase) + static_cast<int>(col);
    const DWORD style = WS_VSCROLL | (kind == EditorDropDownList ? CBS_DROPDOWNLIST : (CBS_DROPDOWN | CBS_AUTOHSCROLL));
    HWND combo = CreateEditor(Hwnd(), "COMBOBOX", style, id, 100, kComboDropHeight);
    if (!combo) return nullptr;
    SetControlFont(combo, painter_.BaseFont());
    if (kind == EditorDropDownList) {
        SubclassWindow(combo, EditGridProcs::Combo);
    } else if (HWND edit = ComboEditChild(combo)) {
        SubclassWindow(edit, EditGridProcs::ComboEdit);
    }
    list[col] = combo;
    return combo;
}

std::vector<std::string> ctlEditGrid::ComboEntries(HWND combo) const {
    std::vector<std::string> entries;
    if (!combo) return entries;
    const LRESULT count = SendMessageA(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
        std::string text(static_cast<size_t>(std::max<LRESULT>(length, 0)) + 1, '\0');
        SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&text[0]));
        text.resize(static_cast<size_t>(std::max<LRESULT>(length, 0)));
        entries.push_back(text);
    }
    return entries;
}

void ctlEditGrid::FitDroppedWidth(HWND combo) {
    long widest = 0;
    for (const std::string& entry : ComboEntries(combo))
        widest = std::max(widest, scale_.ToPixelsX(painter_.MeasureText(combo, entry, scale_)));
    RECT r{};
    GetWindowRect(combo, &r);
    const long width = std::max<long>(r.right - r.left, widest + GetSystemMetrics(SM_CXVSCROLL) + 4);
    SendMessageA(combo, CB_SETDROPPEDWIDTH, static_cast<WPARAM>(width), 0);
}

// ---- set-up called by the owner ----

void ctlEditGrid::SetCellCtl(long iCol, int iCtrType) {
    ::SetCellCtl(model_, iCol, iCtrType);
    if (iCtrType == EditorDropDownList || iCtrType == EditorDropDownEdit) {
        EnsureCombo(iCol, iCtrType);  // an existing one is kept
    } else if (iCtrType == EditorSpin || iCtrType == EditorText) {
        if (openKind_ == EditorSpin || openKind_ == EditorText) CloseEditor();
        ShowWindow(text_, SW_HIDE);
        ShowWindow(upDown_, SW_HIDE);
    }
}

void ctlEditGrid::SetCellCtlID(long iCol, int iCtrType) { ::SetCellCtlID(model_, iCol, iCtrType); }
void ctlEditGrid::SetCellCtlVisible(long iCol, bool iFlag) { ::SetCellCtlVisible(model_, iCol, iFlag); }
void ctlEditGrid::SetCellColMove(bool iFlag) { ::SetCellColMove(model_, iFlag); }
void ctlEditGrid::SetTypeCheckingTime(int iValue) { ::SetTypeCheckingTime(model_, iValue); }

void ctlEditGrid::AddCellComboItem(long Index, const std::string& sItem) {
    if (HWND combo = GetCellCombo(Index)) SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(sItem.c_str()));
}

void ctlEditGrid::AddCellComboEditItem(long Index, const std::string& sItem) {
    if (HWND combo = GetCellComboEdit(Index))
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(sItem.c_str()));
}

void ctlEditGrid::ClearCellCombo(long iCol) {
    if (HWND combo = GetCellCombo(iCol)) SendMessageA(combo, CB_RESETCONTENT, 0, 0);
}

void ctlEditGrid::ClearCellComboEdit(long iCol) {
    if (HWND combo = GetCellComboEdit(iCol)) SendMessageA(combo, CB_RESETCONTENT, 0, 0);
}

void ctlEditGrid::AddComboEditItem(const std::string& sItem) {
    if (model_.EditorOf(model_.Grid.Col()).Kind != EditorDropDownEdit) return;
    AddCellComboEditItem(model_.Grid.Col(), sItem);
}

void ctlEditGrid::RemoveComboEditItem(const std::string& sItem) {
    if (model_.EditorOf(model_.Grid.Col()).Kind != EditorDropDownEdit) return;
    HWND combo = GetCellComboEdit(model_.Grid.Col());
    const long index = ExactIndex(ComboEntries(combo), sItem);
    if (index >= 0) SendMessageA(combo, CB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

std::string ctlEditGrid::GetComboEditText() const {
    if (model_.EditorOf(model_.Grid.Col()).Kind != EditorDropDownEdit) return std::string();
    HWND combo = GetCellComboEdit(model_.Grid.Col());
    return combo ? WindowText(combo) : std::string();
}

void ctlEditGrid::SetComboEditText(const std::string& sText) {
    if (HWND combo = GetCellComboEdit(model_.Grid.Col())) SetWindowTextA(combo, sText.c_str());
}

void ctlEditGrid::EndCellEdit(bool keepText) {
    if (openKind_ == 0) return;
    if (keepText) CommitOpenEditor();
    CloseEditor();
}

void ctlEditGrid::ClearCellCtl() {
    const long col = model_.Grid.Col();
    switch (model_.EditorOf(col).Kind) {
    case EditorDropDownList:
        if (HWND combo = GetCellCombo(col)) SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        break;
    case EditorDropDownEdit:
        if (HWND combo = GetCellComboEdit(col)) {
            SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
            SetWindowTextA(combo, "");
        }
        break;
    case EditorSpin:
    case EditorText: SetWindowTextA(text_, ""); break;
    default: break;
    }
    CloseEditor();
}

void ctlEditGrid::ShowInfo(long X, long Y, const std::string& sInfo) {
    if (!info_) return;
    SetWindowTextA(info_, sInfo.c_str());
    RECT client{};
    GetClientRect(Hwnd(), &client);
    // As wide as the hint, but no wider than the control.
    const long width = std::min<long>(scale_.ToPixelsX(painter_.MeasureText(info_, sInfo, scale_)) + 4,
                                      std::max<long>(client.right, 1));
    const long height = scale_.ToPixelsY(kStandardRowHeight);
    SetWindowPos(info_, HWND_TOP, RoundToPixels(X, scale_.PerPixelX), RoundToPixels(Y, scale_.PerPixelY),
                 static_cast<int>(width), static_cast<int>(height), SWP_SHOWWINDOW | SWP_NOACTIVATE);
}

void ctlEditGrid::HideInfo() {
    if (info_) ShowWindow(info_, SW_HIDE);
}

// ---- geometry ----

RECT ctlEditGrid::CellRectInControl(long row, long col) const {
    // Twips of the cell in the control: the grid's offset plus the cell's.
    POINT origin{0, 0};
    MapWindowPoints(GridHwnd(), Hwnd(), &origin, 1);
    const FlexGrid& g = model_.Grid;
    RECT r;
    r.left = scale_.ToTwipsX(origin.x) + g.ColPos(col);
    r.top = scale_.ToTwipsY(origin.y) + g.RowPos(row);
    r.right = r.left + g.ColWidth(col);
    r.bottom = r.top + g.RowHeight(row);
    return r;
}

namespace {

void Place(HWND window, const EditorPlacement& p, const TwipScale& scale, int ownHeight) {
    RECT now{};
    GetWindowRect(window, &now);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&now), 2);
    const int left = p.SetLeft ? static_cast<int>(RoundToPixels(p.Left, scale.PerPixelX)) : now.left;
    const int top = static_cast<int>(RoundToPixels(p.Top, scale.PerPixelY));
    const int width = p.SetWidth ? static_cast<int>(RoundToPixels(p.Width, scale.PerPixelX)) : now.right - now.left;
    const int height = p.SetHeight ? static_cast<int>(RoundToPixels(p.Height, scale.PerPixelY)) : ownHeight;
    SetWindowPos(window, HWND_TOP, left, top, width, height, SWP_NOACTIVATE);
}

}  // namespace

void ctlEditGrid::PlaceOpenEditor() {
    if (openKind_ == 0) return;
    const RECT r = CellRectInControl(editRow_, editCol_);
    const CellRect cell{r.left, r.top, r.right - r.left, r.bottom - r.top};
    Place(OpenEditorWindow(), PlaceEditor(openKind_, cell), scale_, kComboDropHeight);
    if (openKind_ == EditorSpin) Place(upDown_, PlaceUpDown(cell), scale_, 0);
}

HWND ctlEditGrid::OpenEditorWindow() const {
    switch (openKind_) {
    case EditorDropDownList: return GetCellCombo(editCol_);
    case EditorSpin:
    case EditorText: return text_;
    case EditorDropDownEdit: return GetCellComboEdit(editCol_);
    default: return nullptr;
    }
}

// ---- beginning, committing, closing ----

void ctlEditGrid::BeginCellEdit(int keyAscii) {
    if (!GridHwnd()) return;
    if (openKind_ != 0) {
        CommitOpenEditor();  // what was typed so far is kept
        CloseEditor();
    }
    FlexGrid& g = model_.Grid;
    const long col = g.Col();
    const int kind = model_.EditorOf(col).Kind;
    HWND combo = kind == EditorDropDownList   ? GetCellCombo(col)
                 : kind == EditorDropDownEdit ? GetCellComboEdit(col)
                                              : nullptr;
    const BeginEditPlan plan = BeginEdit(model_, keyAscii, mouseCol_, ComboEntries(combo));
    if (!plan.Open) return;
    if ((plan.Kind == EditorDropDownList || plan.Kind == EditorDropDownEdit) && !combo) return;
    if (EnsureCellVisible(g, g.Row(), col, GridAreaWidth(), GridAreaHeight())) {
        UpdateScrollBars();
        listener_->Scroll();
    }
    openKind_ = plan.Kind;
    editRow_ = g.Row();
    editCol_ = col;
    PlaceOpenEditor();
    HWND editor = OpenEditorWindow();
    if (combo) FitDroppedWidth(combo);
    switch (plan.Kind) {
    case EditorDropDownList:
        if (plan.SelectIndex >= 0) SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(plan.SelectIndex), 0);
        break;
    case EditorSpin:
    case EditorText:
        SetWindowTextA(text_, plan.Text.c_str());
        SendMessageA(text_, EM_SETSEL, static_cast<WPARAM>(plan.SelStart),
                     static_cast<LPARAM>(plan.SelStart + plan.SelLength));
        if (plan.ShowUpDown) ShowWindow(upDown_, SW_SHOWNA);
        break;
    case EditorDropDownEdit:
        if (plan.AddEntry) SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(plan.AddEntry->c_str()));
        if (plan.SelectIndex >= 0) SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(plan.SelectIndex), 0);
        if (plan.SetText) SetWindowTextA(combo, plan.Text.c_str());
        SendMessageA(combo, CB_SETEDITSEL, 0, MAKELPARAM(plan.SelStart, plan.SelStart + plan.SelLength));
        break;
    default: break;
    }
    ShowWindow(editor, SW_SHOW);
    ::SetFocus(editor);
    if (plan.Kind == EditorDropDownEdit)
        SendMessageA(combo, CB_SETEDITSEL, 0, MAKELPARAM(plan.SelStart, plan.SelStart + plan.SelLength));
}

void ctlEditGrid::CommitOpenEditor() {
    if (openKind_ == 0) {
        // No editor: the cell is still put through its column's format.
        CommitEditAt(model_, model_.Grid.Row(), model_.Grid.Col(), false, std::string(), locale_);
        return;
    }
    HWND editor = OpenEditorWindow();
    const bool visible = editor && IsWindowVisible(editor);
    CommitEditAt(model_, editRow_, editCol_, visible, editor ? WindowText(editor) : std::string(), locale_);
}

void ctlEditGrid::CloseEditor() {
    if (openKind_ == 0) return;
    HWND editor = OpenEditorWindow();
    const bool hadFocus = IsInside(GetFocus(), editor);
    KillTimer(Hwnd(), kTypeAheadTimer);
    switch (openKind_) {
    case EditorDropDownList:
        SendMessageA(editor, CB_SHOWDROPDOWN, FALSE, 0);
        SendMessageA(editor, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        break;
    case EditorDropDownEdit:
        SendMessageA(editor, CB_SHOWDROPDOWN, FALSE, 0);
        SendMessageA(editor, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        SetWindowTextA(editor, "");
        break;
    case EditorSpin: ShowWindow(upDown_, SW_HIDE); break;
    default: break;
    }
    openKind_ = 0;
    if (editor) ShowWindow(editor, SW_HIDE);
    if (hadFocus && GridHwnd()) ::SetFocus(GridHwnd());
}

void ctlEditGrid::LeaveCurrentCell() {
    CommitOpenEditor();
    CloseEditor();
    listener_->LeaveCell();
}

void ctlEditGrid::CancelEdit() {
    HWND editor = OpenEditorWindow();
    if (!editor) return;
    const std::string cell = model_.Grid.TextMatrix(editRow_, editCol_);
    switch (DecideCancel(model_, mouseCol_, WindowText(editor))) {
    case CancelAction::CloseEditor: CloseEditor(); break;
    case CancelAction::RestoreText:
        if (openKind_ == EditorDropDownList) {
            const long index = ExactIndex(ComboEntries(editor), cell);
            SendMessageA(editor, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
        } else {
            SetWindowTextA(editor, cell.c_str());
            if (openKind_ == EditorDropDownEdit) SendMessageA(editor, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
            else SendMessageA(editor, EM_SETSEL, 0, -1);
        }
        break;
    default: break;
    }
}

void ctlEditGrid::MoveOn() {
    const auto next = NextCellOnEnter(model_);
    if (!next) return;
    MoveTo(GridTarget{next->Row, next->Col, next->Row, next->Col}, next->Row, next->Col);
    BeginCellEdit(VK_RETURN);
}

// ---- keys in the editors ----

void ctlEditGrid::OnTextKey(WPARAM key, bool& handled) {
    handled = true;
    switch (DecideEditorKey(openKind_, static_cast<int>(key))) {
    case EditorKeyAction::Cancel: CancelEdit(); break;
    case EditorKeyAction::MoveOn: MoveOn(); break;
    case EditorKeyAction::CloseEditor: CloseEditor(); break;
    default: handled = false; break;
    }
}

void ctlEditGrid::OnComboKey(HWND combo, WPARAM key, bool& handled) {
    handled = true;
    switch (DecideEditorKey(EditorDropDownList, static_cast<int>(key))) {
    case EditorKeyAction::ClearSelection: SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(-1), 0); break;
    case EditorKeyAction::Cancel: CancelEdit(); break;
    case EditorKeyAction::CommitMoveOn:
        CommitOpenEditor();
        MoveOn();
        break;
    case EditorKeyAction::CommitOnly:
        // Committed, and the list still has the key for itself.
        CommitOpenEditor();
        handled = false;
        break;
    default: handled = false; break;
    }
}

void ctlEditGrid::OnComboEditKey(WPARAM key, bool& handled) {
    handled = true;
    switch (DecideEditorKey(EditorDropDownEdit, static_cast<int>(key))) {
    case EditorKeyAction::ClearSelection:
        SendMessageA(GetCellComboEdit(editCol_), CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        break;
    case EditorKeyAction::Cancel: CancelEdit(); break;
    case EditorKeyAction::MoveOn: MoveOn(); break;
    default: handled = false; break;
    }
}

void ctlEditGrid::OnComboEditKeyUp(WPARAM key) {
    if (openKind_ != EditorDropDownEdit || !typeAhead_.KeyReleased(static_cast<int>(key))) return;
    // Restarted on every key, so the search waits for a pause in typing.
    KillTimer(Hwnd(), kTypeAheadTimer);
    SetTimer(Hwnd(), kTypeAheadTimer, static_cast<UINT>(TypeAhead::IntervalMs(model_.TypeCheckingTime)), nullptr);
}

void ctlEditGrid::OnTypeAheadTimer() {
    KillTimer(Hwnd(), kTypeAheadTimer);
    if (!typeAhead_.TimerFired() || openKind_ != EditorDropDownEdit) return;
    HWND combo = GetCellComboEdit(model_.Grid.Col());
    if (!combo) return;
    const std::string typed = WindowText(combo);
    if (typed.empty()) return;
    const Completion found = AutoComplete(typed, ComboEntries(combo));
    if (!found.Found) return;
    SetWindowTextA(combo, found.Text.c_str());
    SendMessageA(combo, CB_SETEDITSEL, 0, MAKELPARAM(found.SelStart, found.SelStart + found.SelLength));
}

void ctlEditGrid::OnSpin(bool up) {
    if (openKind_ != EditorSpin) return;
    SetWindowTextA(text_, SpinText(WindowText(text_), up, locale_).c_str());
    SendMessageA(text_, EM_SETSEL, 0, -1);
}

void ctlEditGrid::OnEditorFocusLost(HWND newFocus) {
    // Focus gone to another window of the program: keep what was typed.
    // (No focus at all means another program is active; the editor waits.)
    if (openKind_ == 0 || !newFocus || IsInside(newFocus, Hwnd())) return;
    CommitOpenEditor();
    CloseEditor();
}

// ---- subclass procedures ----

LRESULT CALLBACK EditGridProcs::Text(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // The editors are children of the control (the drop-down's text field a
    // child of the drop-down).
    ctlEditGrid* self = ControlOf(GetParent(hwnd));
    if (!self) return CallOriginalProc(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_GETDLGCODE: return CallOriginalProc(hwnd, message, wParam, lParam) | DLGC_WANTALLKEYS;
    case WM_KEYDOWN: {
        bool handled = false;
        self->OnTextKey(wParam, handled);
        if (handled) return 0;
        break;
    }
    case WM_CHAR:
        if (wParam == VK_RETURN || wParam == VK_ESCAPE || wParam == VK_TAB) return 0;
        break;
    default: break;
    }
    return CallOriginalProc(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK EditGridProcs::Combo(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    ctlEditGrid* self = ControlOf(GetParent(hwnd));
    if (!self) return CallOriginalProc(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_GETDLGCODE: return CallOriginalProc(hwnd, message, wParam, lParam) | DLGC_WANTALLKEYS;
    case WM_KEYDOWN: {
        // An open list takes Enter and Escape to close itself.
        const bool dropped = SendMessageA(hwnd, CB_GETDROPPEDSTATE, 0, 0) != 0;
        if (dropped && (wParam == VK_RETURN || wParam == VK_ESCAPE)) break;
        bool handled = false;
        if (self->openKind_ == EditorDropDownList) self->OnComboKey(hwnd, wParam, handled);
        if (handled) return 0;
        break;
    }
    case WM_CHAR:
        if (wParam == VK_RETURN || wParam == VK_ESCAPE) return 0;
        break;
    default: break;
    }
    return CallOriginalProc(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK EditGridProcs::ComboEdit(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    ctlEditGrid* self = ControlOf(GetParent(GetParent(hwnd)));
    if (!self) return CallOriginalProc(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_GETDLGCODE: return CallOriginalProc(hwnd, message, wParam, lParam) | DLGC_WANTALLKEYS;
    case WM_KEYDOWN: {
        const bool dropped = SendMessageA(GetParent(hwnd), CB_GETDROPPEDSTATE, 0, 0) != 0;
        if (dropped && (wParam == VK_RETURN || wParam == VK_ESCAPE)) break;
        bool handled = false;
        if (self->openKind_ == EditorDropDownEdit) self->OnComboEditKey(wParam, handled);
        if (handled) return 0;
        break;
    }
    case WM_KEYUP: {
        const LRESULT result = CallOriginalProc(hwnd, message, wParam, lParam);
        self->OnComboEditKeyUp(wParam);
        return result;
    }
    case WM_CHAR:
        if (wParam == VK_RETURN || wParam == VK_ESCAPE) return 0;
        break;
    default: break;
    }
    return CallOriginalProc(hwnd, message, wParam, lParam);
}
