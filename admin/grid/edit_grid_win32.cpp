// The control window: creation, its messages, sizing, the property surface
// held by the window and persistence.
#include "admin/grid/edit_grid_win32.h"

#include <commctrl.h>

#include <algorithm>

#include "admin/grid/edit_grid_procs_win32.h"
#include "admin/grid/grid_find_box_win32.h"
#include "shared/win32/window_helpers.h"

namespace {

HFONT AmbientFont(HWND control) {
    HWND parent = control ? GetParent(control) : nullptr;
    return parent ? reinterpret_cast<HFONT>(SendMessageA(parent, WM_GETFONT, 0, 0)) : nullptr;
}

TwipScale ScreenScale() {
    TwipScale scale;
    const int dpiX = ScreenDpiX(), dpiY = ScreenDpiY();
    if (dpiX > 0) scale.PerPixelX = std::max(1, 1440 / dpiX);
    if (dpiY > 0) scale.PerPixelY = std::max(1, 1440 / dpiY);
    return scale;
}

}  // namespace

ctlEditGrid::ctlEditGrid() : listener_(&noListener_) {
    model_.HideCellEditor = [this] { CloseEditor(); };
    model_.Grid.SetChangeHandler([this](GridChange change) { OnModelChange(change); });
}

ctlEditGrid::~ctlEditGrid() {
    model_.Grid.SetChangeHandler(nullptr);
    model_.HideCellEditor = nullptr;
    findBox_.reset();
}

bool ctlEditGrid::Part::Open(const char* className, UINT classStyle, HBRUSH background, DWORD style, DWORD exStyle,
                             const RECT& rect, HWND parent, int id) {
    ClassInfo info;
    info.Name = className;
    info.Style = classStyle;
    info.Background = background;
    return RegisterClassOnce(info) && Window::Create(className, "", style, exStyle, rect.left, rect.top,
                                                     rect.right - rect.left, rect.bottom - rect.top, parent, id);
}

bool ctlEditGrid::Create(HWND parent, int id, const RECT& rect) {
    if (Hwnd()) return false;
    LoadCommonControls();
    scale_ = ScreenScale();
    locale_ = SystemFormatLocale();
    if (!control_.Open(kEditGridClass, 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                       WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_TABSTOP, WS_EX_CLIENTEDGE | WS_EX_CONTROLPARENT,
                       rect, parent, id))
        return false;
    if (!inner_.Open(kFlexGridClass, CS_DBLCLKS, nullptr,
                     WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | WS_HSCROLL | WS_VSCROLL, 0,
                     RECT{0, 0, 10, 10}, Hwnd(), kGridInnerId))
        return false;
    CreateEditors();
    ApplyProperties();
    SetGridSize();
    return true;
}

void ctlEditGrid::LoadCommonControls() {
    // The up-down buttons and the tool tip are common controls. Loaded here
    // rather than imported, so a program is not slowed at start by linking
    // the grid.
    if (commonControls_.Valid()) return;
    commonControls_.Reset(LoadLibraryA("comctl32.dll"));
    if (!commonControls_.Valid()) return;
    using InitFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    auto init = reinterpret_cast<InitFunction>(
        reinterpret_cast<void*>(GetProcAddress(commonControls_.Get(), "InitCommonControlsEx")));
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_UPDOWN_CLASS | ICC_BAR_CLASSES};
    if (init) init(&controls);
}

// ---- changes of the model ----

void ctlEditGrid::OnModelChange(GridChange change) {
    if (!GridHwnd()) return;
    // Bulk changes (filling 10,000 rows) ask the system for one repaint only.
    if (model_.Grid.Props().Redraw && !paintPending_) paintPending_ = InvalidateRect(GridHwnd(), nullptr, FALSE) != 0;
    if (change == GridChange::Layout) layoutChanged_ = true;
    // Refitting changes properties itself; that asks for no further refit.
    if (change != GridChange::Cells && !refitPosted_ && !refitting_)
        refitPosted_ = PostMessageA(Hwnd(), WM_GRID_REFIT, 0, 0) != 0;
}

void ctlEditGrid::RefitNow() {
    refitting_ = true;
    // Rows or columns came or went: the grid is fitted again the way the
    // owner last asked, so a table filled after Setup is not left in a
    // grid sized for two rows.
    if (layoutChanged_) ApplySizing();
    UpdateScrollBars();
    if (openKind_ != 0) PlaceOpenEditor();
    refitting_ = false;
    refitPosted_ = false;
}

void ctlEditGrid::ApplySizing() {
    layoutChanged_ = false;
    if (!Hwnd()) return;
    RECT client{};
    GetClientRect(Hwnd(), &client);
    model_.ControlWidth = scale_.ToTwipsX(client.right);
    model_.ControlHeight = scale_.ToTwipsY(client.bottom);
    if (sizedByCaller_) {
        if (model_.GridHeight <= 0) model_.GridHeight = model_.ControlHeight;
        model_.SetGridWidthByCaller(callerWidth_);
    } else {
        model_.SetGridSize();
    }
    const int width = scale_.ToPixelsX(model_.GridWidth), height = scale_.ToPixelsY(model_.GridHeight);
    RECT now{};
    GetWindowRect(GridHwnd(), &now);
    if (now.right - now.left != width || now.bottom - now.top != height)
        MoveWindow(GridHwnd(), 0, 0, width, height, TRUE);
}

// ---- property surface ----

bool ctlEditGrid::Enabled() const { return model_.Grid.Props().Enabled; }

void ctlEditGrid::SetEnabled(bool enabled) {
    model_.Grid.Props().Enabled = enabled;
    ApplyProperties();
}

void ctlEditGrid::SetToolTipText(const std::string& New_ToolTipText) {
    model_.Grid.Props().ToolTipText = New_ToolTipText;
    ApplyProperties();
}

long ctlEditGrid::Height() const {
    RECT r{};
    GetWindowRect(Hwnd(), &r);
    return scale_.ToTwipsY(r.bottom - r.top);
}

void ctlEditGrid::Refresh() {
    if (!GridHwnd()) return;
    RefitNow();
    InvalidateRect(GridHwnd(), nullptr, FALSE);
    UpdateWindow(GridHwnd());
}

void ctlEditGrid::SetFocus() {
    if (GridHwnd()) ::SetFocus(GridHwnd());
}

void ctlEditGrid::Clear() {
    CloseEditor();
    model_.Grid.Clear();
}

void ctlEditGrid::RemoveItem(long Index) {
    CloseEditor();
    model_.Grid.RemoveItem(Index);
}

void ctlEditGrid::ApplyProperties() {
    if (!Hwnd()) return;
    GridProps& p = model_.Grid.Props();
    painter_.SetFonts(p, AmbientFont(Hwnd()));
    HFONT font = painter_.BaseFont();
    for (HWND child : {text_, info_, colCombo_}) {
        if (child) SetControlFont(child, font);
    }
    for (auto* list : {&combos_, &comboEdits_})
        for (auto& entry : *list) SetControlFont(entry.second, font);
    EnableWindow(Hwnd(), p.Enabled ? TRUE : FALSE);
    EnableWindow(GridHwnd(), p.Enabled ? TRUE : FALSE);

    // The border: a sunken 3-D edge, a flat line, or none.
    LONG_PTR ex = GetWindowLongPtrA(Hwnd(), GWL_EXSTYLE) & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE);
    LONG_PTR style = GetWindowLongPtrA(Hwnd(), GWL_STYLE) & ~static_cast<LONG_PTR>(WS_BORDER);
    if (p.BorderStyle != 0) {
        if (p.Appearance != 0) ex |= WS_EX_CLIENTEDGE;
        else style |= WS_BORDER;
    }
    SetWindowLongPtrA(Hwnd(), GWL_EXSTYLE, ex);
    SetWindowLongPtrA(Hwnd(), GWL_STYLE, style);
    SetWindowPos(Hwnd(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);

    if (!p.ToolTipText.empty() && !toolTip_) {
        toolTip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Hwnd(), nullptr, nullptr, nullptr);
    }
    if (toolTip_) {
        TOOLINFOA tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = Hwnd();
        tool.uId = reinterpret_cast<UINT_PTR>(GridHwnd());
        SendMessageA(toolTip_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
        if (!p.ToolTipText.empty()) {
            tool.lpszText = const_cast<char*>(p.ToolTipText.c_str());
            SendMessageA(toolTip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
        }
    }
    if (GridHwnd()) {
        InvalidateRect(GridHwnd(), nullptr, FALSE);
        UpdateScrollBars();
    }
}

// ---- set-up and sizing ----

void ctlEditGrid::Setup() {
    RECT client{};
    GetClientRect(Hwnd(), &client);
    model_.ControlWidth = scale_.ToTwipsX(client.right);
    model_.ControlHeight = scale_.ToTwipsY(client.bottom);
    model_.Setup();
    SetGridSize();
}

void ctlEditGrid::SetGridSize() {
    sizedByCaller_ = false;
    layoutChanged_ = true;
    RefitNow();
}

void ctlEditGrid::SetGridWidthByCaller(long iWidth) {
    sizedByCaller_ = true;
    callerWidth_ = iWidth;
    layoutChanged_ = true;
    RefitNow();
}

void ctlEditGrid::ReadProperties(const PropertyBag& bag) {
    CloseEditor();
    ReadGridProperties(model_.Grid, bag);
    ApplyProperties();
    RefitNow();
}

void ctlEditGrid::WriteProperties(PropertyBag& bag) const { WriteGridProperties(model_.Grid, bag); }

// ---- the control window's messages ----

LRESULT ctlEditGrid::OnControlMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        if (GridHwnd()) {
            layoutChanged_ = true;  // the control's size: fit again as last asked
            RefitNow();
        }
        return 0;
    case WM_SETFOCUS:
        if (GridHwnd()) ::SetFocus(GridHwnd());
        return 0;
    case WM_SETFONT: ApplyProperties(); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(painter_.BaseFont());
    case WM_GRID_REFIT: RefitNow(); return 0;
    case WM_GRID_FOCUSCHECK: OnEditorFocusLost(GetFocus()); return 0;
    case WM_TIMER:
        if (wParam == kTypeAheadTimer) OnTypeAheadTimer();
        return 0;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->hwndFrom == upDown_ && header->code == UDN_DELTAPOS) {
            OnSpin(reinterpret_cast<NMUPDOWN*>(lParam)->iDelta > 0);
            return TRUE;  // the buttons keep no position of their own
        }
        break;
    }
    case WM_COMMAND: return OnControlCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
        if (reinterpret_cast<HWND>(lParam) == info_) {
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
            SetBkColor(dc, GetSysColor(COLOR_INFOBK));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_INFOBK));
        }
        break;
    case WM_NCDESTROY: OnControlGone(); break;
    default: break;
    }
    return control_.Default(message, wParam, lParam);
}

LRESULT ctlEditGrid::OnControlCommand(HWND from, int code) {
    if (from && from == colCombo_) {
        if (code == CBN_SELENDOK) OnHeaderOptionChosen();
        else if (code == CBN_KILLFOCUS) HideHeaderOptions();
    } else if (from && (code == CBN_KILLFOCUS || code == EN_KILLFOCUS)) {
        PostMessageA(Hwnd(), WM_GRID_FOCUSCHECK, 0, 0);
    }
    return 0;
}

void ctlEditGrid::OnControlGone() {
    // Destroyed with its parent: nothing of it is left to destroy.
    text_ = upDown_ = info_ = colCombo_ = toolTip_ = nullptr;
    combos_.clear();
    comboEdits_.clear();
    openKind_ = 0;
}
