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
    if (window_.Valid()) SetWindowLongPtrA(window_.Get(), GWLP_USERDATA, 0);
    if (grid_) SetWindowLongPtrA(grid_, GWLP_USERDATA, 0);
}

bool ctlEditGrid::Register(HINSTANCE instance) {
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExA(instance, kEditGridClass, &existing)) return true;

    WNDCLASSEXA control{};
    control.cbSize = sizeof(control);
    control.lpfnWndProc = EditGridProcs::Control;
    control.hInstance = instance;
    control.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    control.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    control.lpszClassName = kEditGridClass;
    if (!RegisterClassExA(&control)) return false;

    WNDCLASSEXA grid{};
    grid.cbSize = sizeof(grid);
    grid.style = CS_DBLCLKS;
    grid.lpfnWndProc = EditGridProcs::Grid;
    grid.hInstance = instance;
    grid.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    grid.lpszClassName = kFlexGridClass;
    return RegisterClassExA(&grid) != 0;
}

bool ctlEditGrid::Create(HWND parent, int id, const RECT& rect) {
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    if (window_.Valid() || !Register(instance)) return false;
    LoadCommonControls();
    scale_ = ScreenScale();
    locale_ = SystemFormatLocale();
    window_.Reset(CreateWindowExA(WS_EX_CLIENTEDGE | WS_EX_CONTROLPARENT, kEditGridClass, "",
                                  WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_TABSTOP, rect.left, rect.top,
                                  rect.right - rect.left, rect.bottom - rect.top, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, this));
    if (!window_.Valid()) return false;
    grid_ = CreateWindowExA(
        0, kFlexGridClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | WS_HSCROLL | WS_VSCROLL, 0, 0, 10,
        10, window_.Get(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kGridInnerId)), instance, this);
    if (!grid_) return false;
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
    if (!grid_) return;
    // Bulk changes (filling 10,000 rows) ask the system for one repaint only.
    if (model_.Grid.Props().Redraw && !paintPending_) paintPending_ = InvalidateRect(grid_, nullptr, FALSE) != 0;
    if (change == GridChange::Layout) layoutChanged_ = true;
    // Refitting changes properties itself; that asks for no further refit.
    if (change != GridChange::Cells && !refitPosted_ && !refitting_)
        refitPosted_ = PostMessageA(window_.Get(), WM_GRID_REFIT, 0, 0) != 0;
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
    if (!window_.Valid()) return;
    RECT client{};
    GetClientRect(window_.Get(), &client);
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
    GetWindowRect(grid_, &now);
    if (now.right - now.left != width || now.bottom - now.top != height) MoveWindow(grid_, 0, 0, width, height, TRUE);
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
    GetWindowRect(window_.Get(), &r);
    return scale_.ToTwipsY(r.bottom - r.top);
}

void ctlEditGrid::Refresh() {
    if (!grid_) return;
    RefitNow();
    InvalidateRect(grid_, nullptr, FALSE);
    UpdateWindow(grid_);
}

void ctlEditGrid::SetFocus() {
    if (grid_) ::SetFocus(grid_);
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
    if (!window_.Valid()) return;
    GridProps& p = model_.Grid.Props();
    painter_.SetFonts(p, AmbientFont(window_.Get()));
    HFONT font = painter_.BaseFont();
    for (HWND child : {text_, info_, colCombo_}) {
        if (child) SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    for (auto* list : {&combos_, &comboEdits_})
        for (auto& entry : *list) SendMessageA(entry.second, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    EnableWindow(window_.Get(), p.Enabled ? TRUE : FALSE);
    EnableWindow(grid_, p.Enabled ? TRUE : FALSE);

    // The border: a sunken 3-D edge, a flat line, or none.
    LONG_PTR ex = GetWindowLongPtrA(window_.Get(), GWL_EXSTYLE) & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE);
    LONG_PTR style = GetWindowLongPtrA(window_.Get(), GWL_STYLE) & ~static_cast<LONG_PTR>(WS_BORDER);
    if (p.BorderStyle != 0) {
        if (p.Appearance != 0) ex |= WS_EX_CLIENTEDGE;
        else style |= WS_BORDER;
    }
    SetWindowLongPtrA(window_.Get(), GWL_EXSTYLE, ex);
    SetWindowLongPtrA(window_.Get(), GWL_STYLE, style);
    SetWindowPos(window_.Get(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);

    if (!p.ToolTipText.empty() && !toolTip_) {
        toolTip_ =
            CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_.Get(), nullptr, nullptr, nullptr);
    }
    if (toolTip_) {
        TOOLINFOA tool{};
        tool.cbSize = sizeof(tool);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = window_.Get();
        tool.uId = reinterpret_cast<UINT_PTR>(grid_);
        SendMessageA(toolTip_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
        if (!p.ToolTipText.empty()) {
            tool.lpszText = const_cast<char*>(p.ToolTipText.c_str());
            SendMessageA(toolTip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
        }
    }
    if (grid_) {
        InvalidateRect(grid_, nullptr, FALSE);
        UpdateScrollBars();
    }
}

// ---- set-up and sizing ----

void ctlEditGrid::Setup() {
    RECT client{};
    GetClientRect(window_.Get(), &client);
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

// ---- the control's window procedure ----

LRESULT CALLBACK EditGridProcs::Control(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    ctlEditGrid* self = ControlOf(hwnd);
    if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_SIZE:
        if (self->grid_) {
            self->layoutChanged_ = true;  // the control's size: fit again as last asked
            self->RefitNow();
        }
        return 0;
    case WM_SETFOCUS:
        if (self->grid_) ::SetFocus(self->grid_);
        return 0;
    case WM_SETFONT: self->ApplyProperties(); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(self->painter_.BaseFont());
    case WM_GRID_REFIT: self->RefitNow(); return 0;
    case WM_GRID_FOCUSCHECK: self->OnEditorFocusLost(GetFocus()); return 0;
    case WM_TIMER:
        if (wParam == kTypeAheadTimer) self->OnTypeAheadTimer();
        return 0;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header->hwndFrom == self->upDown_ && header->code == UDN_DELTAPOS) {
            self->OnSpin(reinterpret_cast<NMUPDOWN*>(lParam)->iDelta > 0);
            return TRUE;  // the buttons keep no position of their own
        }
        break;
    }
    case WM_COMMAND: {
        HWND from = reinterpret_cast<HWND>(lParam);
        const int code = HIWORD(wParam);
        if (from && from == self->colCombo_) {
            if (code == CBN_SELENDOK) self->OnHeaderOptionChosen();
            else if (code == CBN_KILLFOCUS) self->HideHeaderOptions();
        } else if (from && (code == CBN_KILLFOCUS || code == EN_KILLFOCUS)) {
            PostMessageA(hwnd, WM_GRID_FOCUSCHECK, 0, 0);
        }
        return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
        if (reinterpret_cast<HWND>(lParam) == self->info_) {
            HDC dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
            SetBkColor(dc, GetSysColor(COLOR_INFOBK));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_INFOBK));
        }
        break;
    case WM_NCDESTROY:
        // Destroyed with its parent: nothing of it is left to destroy.
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->window_.Release();
        self->grid_ = self->text_ = self->upDown_ = self->info_ = self->colCombo_ = nullptr;
        self->toolTip_ = nullptr;
        self->combos_.clear();
        self->comboEdits_.clear();
        self->openKind_ = 0;
        break;
    default: break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}
