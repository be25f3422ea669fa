#include "admin/grid/grid_find_box_win32.h"

#include "shared/win32/subclass.h"
#include "shared/win32/window_helpers.h"

#include <algorithm>

namespace {

constexpr char kFindBoxClass[] = "TsrGridFind";
constexpr int kBoxWidth = 360, kBoxHeight = 128;  // outer size, pixels

}  // namespace

LRESULT GridFindBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_CLOSE: Hide(); return 0;
    default: return DefaultHandling(message, wParam, lParam);
    }
}

void GridFindBox::OnCommand(int id, int code) {
    if (id == kFindNextId && code == BN_CLICKED) FindNext();
    else if (id == kFindCloseId && code == BN_CLICKED) Hide();
    else if (id == kFindTextId && code == EN_CHANGE) SetWindowTextA(status_, "");
}

LRESULT CALLBACK GridFindBox::ControlKeys(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    GridFindBox* self = FromHwnd<GridFindBox>(GetParent(hwnd));
    if (!self) return CallOriginalProc(hwnd, message, wParam, lParam);
    if (message == WM_GETDLGCODE) return CallOriginalProc(hwnd, message, wParam, lParam) | DLGC_WANTALLKEYS;
    if (message == WM_KEYDOWN && self->OnControlKey(hwnd, wParam)) return 0;
    if (message == WM_CHAR && (wParam == VK_RETURN || wParam == VK_ESCAPE || wParam == VK_TAB)) return 0;
    return CallOriginalProc(hwnd, message, wParam, lParam);
}

bool GridFindBox::OnControlKey(HWND control, WPARAM key) {
    if (key == VK_TAB) {
        HWND next = GetNextDlgTabItem(Hwnd(), control, GetKeyState(VK_SHIFT) < 0);
        if (next) SetFocus(next);
        return true;
    }
    if (key == VK_RETURN) {
        const int id = GetDlgCtrlID(control);
        if (id == kFindCloseId) Hide();
        else if (id == kFindMatchCaseId) SendMessageA(control, BM_CLICK, 0, 0);
        else FindNext();
        return true;
    }
    if (key == VK_ESCAPE) {
        Hide();
        return true;
    }
    return false;
}

bool GridFindBox::CreateBox(HWND owner, HFONT font) {
    ClassInfo info;
    info.Name = kFindBoxClass;
    info.Background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    if (!RegisterClassOnce(info)) return false;
    if (!Create(kFindBoxClass, "Find", WS_POPUP | WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW, 0, 0,
                kBoxWidth, kBoxHeight, owner))
        return false;
    struct Child {
        const char* cls;
        const char* text;
        DWORD style;
        int id, x, y, w, h;
        DWORD ex;
    };
    const Child children[] = {
        {"STATIC", "Find what:", SS_LEFT, -1, 10, 14, 70, 16, 0},
        {"EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, kFindTextId, 82, 10, 170, 22, WS_EX_CLIENTEDGE},
        {"BUTTON", "Find Next", WS_TABSTOP | BS_DEFPUSHBUTTON, kFindNextId, 262, 9, 82, 24, 0},
        {"BUTTON", "Match case", WS_TABSTOP | BS_AUTOCHECKBOX, kFindMatchCaseId, 10, 42, 120, 20, 0},
        {"BUTTON", "Close", WS_TABSTOP | BS_PUSHBUTTON, kFindCloseId, 262, 39, 82, 24, 0},
        {"STATIC", "", SS_LEFT | SS_ENDELLIPSIS, kFindStatusId, 10, 70, 334, 18, 0},
    };
    for (const Child& c : children) {
        HWND child = CreateChildControl(Hwnd(), c.cls, c.text, WS_VISIBLE | c.style, c.id, c.ex);
        if (!child) return false;
        MoveWindow(child, c.x, c.y, c.w, c.h, FALSE);
        SetControlFont(child, font);
        if (c.style & WS_TABSTOP) SubclassWindow(child, ControlKeys);
    }
    text_ = GetDlgItem(Hwnd(), kFindTextId);
    matchCase_ = GetDlgItem(Hwnd(), kFindMatchCaseId);
    status_ = GetDlgItem(Hwnd(), kFindStatusId);
    return true;
}

void GridFindBox::Show(HWND owner, HFONT font) {
    if (!Hwnd() && !CreateBox(owner, font)) return;
    if (!IsWindowVisible(Hwnd())) {
        // Beside the owner's top right corner, inside the screen.
        RECT of{};
        GetWindowRect(owner, &of);
        int x = of.right - kBoxWidth - 24, y = of.top + 48;
        x = std::max(0, std::min(x, GetSystemMetrics(SM_CXSCREEN) - kBoxWidth));
        y = std::max(0, std::min(y, GetSystemMetrics(SM_CYSCREEN) - kBoxHeight));
        SetWindowPos(Hwnd(), HWND_TOP, x, y, 0, 0, SWP_NOSIZE);
    }
    ShowWindow(Hwnd(), SW_SHOW);
    SetForegroundWindow(Hwnd());
    SetFocus(text_);
    SendMessageA(text_, EM_SETSEL, 0, -1);
}

void GridFindBox::Hide() {
    if (!Hwnd()) return;
    HWND owner = GetWindow(Hwnd(), GW_OWNER);
    ShowWindow(Hwnd(), SW_HIDE);
    if (owner) SetForegroundWindow(owner);
}

bool GridFindBox::FindNext() {
    const std::string text = WindowText(text_);
    if (text.empty()) return false;
    const bool matchCase = SendMessageA(matchCase_, BM_GETCHECK, 0, 0) == BST_CHECKED;
    const bool found = find_ && find_(text, matchCase);
    SetWindowTextA(status_, found ? "" : ("Cannot find \"" + text + "\".").c_str());
    return found;
}
