#include "admin/grid/grid_find_box_win32.h"

#include "shared/win32/subclass.h"
#include "shared/win32/window_helpers.h"

#include <algorithm>

namespace {

constexpr char kFindBoxClass[] = "TsrGridFind";
constexpr int kBoxWidth = 360, kBoxHeight = 128;  // outer size, pixels

}  // namespace

struct GridFindBoxProcs {
    static GridFindBox* Of(HWND hwnd) { return reinterpret_cast<GridFindBox*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)); }

    static LRESULT CALLBACK Box(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_NCCREATE) {
            auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
            return DefWindowProcA(hwnd, message, wParam, lParam);
        }
        GridFindBox* self = Of(hwnd);
        if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
        switch (message) {
        case WM_COMMAND:
            if (LOWORD(wParam) == kFindNextId && HIWORD(wParam) == BN_CLICKED) self->FindNext();
            else if (LOWORD(wParam) == kFindCloseId && HIWORD(wParam) == BN_CLICKED) self->Hide();
            else if (LOWORD(wParam) == kFindTextId && HIWORD(wParam) == EN_CHANGE) SetWindowTextA(self->status_, "");
            return 0;
        case WM_CLOSE: self->Hide(); return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
            self->window_.Release();
            break;
        default: break;
        }
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }

    // The box is modeless, so no dialog manager: its controls take Tab,
    // Enter and Escape themselves.
    static LRESULT CALLBACK Keys(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        GridFindBox* self = Of(GetParent(hwnd));
        if (!self) return CallOriginalProc(hwnd, message, wParam, lParam);
        if (message == WM_GETDLGCODE) return CallOriginalProc(hwnd, message, wParam, lParam) | DLGC_WANTALLKEYS;
        if (message == WM_KEYDOWN) {
            HWND box = GetParent(hwnd);
            if (wParam == VK_TAB) {
                HWND next = GetNextDlgTabItem(box, hwnd, GetKeyState(VK_SHIFT) < 0);
                if (next) SetFocus(next);
                return 0;
            }
            if (wParam == VK_RETURN) {
                const int id = GetDlgCtrlID(hwnd);
                if (id == kFindCloseId) self->Hide();
                else if (id == kFindMatchCaseId) SendMessageA(hwnd, BM_CLICK, 0, 0);
                else self->FindNext();
                return 0;
            }
            if (wParam == VK_ESCAPE) {
                self->Hide();
                return 0;
            }
        }
        if (message == WM_CHAR && (wParam == VK_RETURN || wParam == VK_ESCAPE || wParam == VK_TAB)) return 0;
        return CallOriginalProc(hwnd, message, wParam, lParam);
    }
};

bool GridFindBox::CreateBox(HWND owner, HFONT font) {
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(owner, GWLP_HINSTANCE));
    WNDCLASSEXA cls{};
    cls.cbSize = sizeof(cls);
    if (!GetClassInfoExA(instance, kFindBoxClass, &cls)) {
        cls.lpfnWndProc = GridFindBoxProcs::Box;
        cls.hInstance = instance;
        cls.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        cls.lpszClassName = kFindBoxClass;
        if (!RegisterClassExA(&cls)) return false;
    }
    window_.Reset(CreateWindowExA(WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW, kFindBoxClass, "Find",
                                  WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, kBoxWidth, kBoxHeight, owner, nullptr,
                                  instance, this));
    if (!window_.Valid()) return false;
    HWND box = window_.Get();
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
        HWND child = CreateWindowExA(c.ex, c.cls, c.text, WS_CHILD | WS_VISIBLE | c.style, c.x, c.y, c.w, c.h, box,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), instance, nullptr);
        if (!child) return false;
        SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (c.style & WS_TABSTOP) SubclassWindow(child, GridFindBoxProcs::Keys);
    }
    text_ = GetDlgItem(box, kFindTextId);
    matchCase_ = GetDlgItem(box, kFindMatchCaseId);
    status_ = GetDlgItem(box, kFindStatusId);
    return true;
}

void GridFindBox::Show(HWND owner, HFONT font) {
    if (!window_.Valid() && !CreateBox(owner, font)) return;
    if (!IsWindowVisible(window_.Get())) {
        // Beside the owner's top right corner, inside the screen.
        RECT of{};
        GetWindowRect(owner, &of);
        int x = of.right - kBoxWidth - 24, y = of.top + 48;
        x = std::max(0, std::min(x, GetSystemMetrics(SM_CXSCREEN) - kBoxWidth));
        y = std::max(0, std::min(y, GetSystemMetrics(SM_CYSCREEN) - kBoxHeight));
        SetWindowPos(window_.Get(), HWND_TOP, x, y, 0, 0, SWP_NOSIZE);
    }
    ShowWindow(window_.Get(), SW_SHOW);
    SetForegroundWindow(window_.Get());
    SetFocus(text_);
    SendMessageA(text_, EM_SETSEL, 0, -1);
}

void GridFindBox::Hide() {
    if (!window_.Valid()) return;
    HWND owner = GetWindow(window_.Get(), GW_OWNER);
    ShowWindow(window_.Get(), SW_HIDE);
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
