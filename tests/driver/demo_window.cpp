// A small window for proving the UI driver: an edit box, a button that copies
// the edit's text to a label, a check box that enables an accept button, and
// a picture that counts mouse clicks and opens a pop-up menu on a right
// click. F2 writes "F2 pressed" to the label, a menu choice "Menu: <item>".
// Exit codes: 0 closed, 1 closed with the box ticked, 2 Escape, 3 accepted.
#include <windows.h>

#include <cstdio>
#include <string>

#include "demo_window_ids.h"

namespace {

const char kClassName[] = "TsrDriverDemo";
int g_pictureClicks = 0;  // the window's own state: one window per process

HWND Item(HWND window, int id) { return GetDlgItem(window, id); }

void AddControl(HWND parent, const char* cls, const char* text, DWORD style, int id, int x, int y, int w, int h) {
    HWND control =
        CreateWindowExA(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
}

void OnCreate(HWND window) {
    AddControl(window, "EDIT", "", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, IDC_DEMO_EDIT, 20, 20, 240, 24);
    AddControl(window, "BUTTON", "&Show", WS_TABSTOP | BS_PUSHBUTTON, IDC_DEMO_SHOW, 270, 20, 90, 24);
    AddControl(window, "STATIC", "(nothing yet)", SS_LEFT, IDC_DEMO_LABEL, 20, 60, 340, 20);
    AddControl(window, "BUTTON", "I have read it", WS_TABSTOP | BS_AUTOCHECKBOX, IDC_DEMO_CHECK, 20, 90, 200, 24);
    AddControl(window, "BUTTON", "Accept", WS_TABSTOP | WS_DISABLED | BS_PUSHBUTTON, IDC_DEMO_ACCEPT, 270, 90, 90, 24);
    AddControl(window, "STATIC", "", SS_BLACKRECT | SS_NOTIFY, IDC_DEMO_PICTURE, 20, 130, 60, 40);
    AddControl(window, "STATIC", "Picture clicks: 0", SS_LEFT, IDC_DEMO_CLICKS, 100, 140, 200, 20);
    SetFocus(Item(window, IDC_DEMO_EDIT));
}

void ShowEditText(HWND window) {
    char text[512] = "";
    GetWindowTextA(Item(window, IDC_DEMO_EDIT), text, sizeof(text));
    SetWindowTextA(Item(window, IDC_DEMO_LABEL), text);
}

void CountPictureClick(HWND window) {
    const std::string text = "Picture clicks: " + std::to_string(++g_pictureClicks);
    SetWindowTextA(Item(window, IDC_DEMO_CLICKS), text.c_str());
}

// Right click on the picture: Red, Green, a separator and Size > Small, Large.
void ShowPictureMenu(HWND window) {
    HMENU size = CreatePopupMenu();
    AppendMenuA(size, MF_STRING, IDM_DEMO_SMALL, "&Small");
    AppendMenuA(size, MF_STRING, IDM_DEMO_LARGE, "&Large\tCtrl+L");
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, IDM_DEMO_RED, "&Red");
    AppendMenuA(menu, MF_STRING | MF_GRAYED, IDM_DEMO_GREEN, "Green");
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(size), "Si&ze");
    POINT at;
    GetCursorPos(&at);
    const UINT chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, window, nullptr);
    DestroyMenu(menu);  // destroys the submenu too
    const char* names[] = {"Red", "Green", "Small", "Large"};
    if (chosen >= IDM_DEMO_RED && chosen <= IDM_DEMO_LARGE) {
        const std::string text = std::string("Menu: ") + names[chosen - IDM_DEMO_RED];
        SetWindowTextA(Item(window, IDC_DEMO_LABEL), text.c_str());
    }
}

bool IsOverPicture(HWND window, LPARAM screenPoint) {
    RECT picture;
    GetWindowRect(Item(window, IDC_DEMO_PICTURE), &picture);
    POINT at{static_cast<short>(LOWORD(screenPoint)), static_cast<short>(HIWORD(screenPoint))};
    return PtInRect(&picture, at) != FALSE;
}

// With a title given, how long the window was on the screen before something
// closed it goes to "demo_window.out" in the current folder (scenarios time
// how fast other programs close it).
DWORD g_shownAt = 0;
void ReportLifetime() {
    if (g_shownAt == 0) return;
    if (FILE* out = std::fopen("demo_window.out", "a")) {
        std::fprintf(out, "closed after %lu ms\n", static_cast<unsigned long>(GetTickCount() - g_shownAt));
        std::fclose(out);
    }
}

void EndWith(HWND window, int exitCode) {
    DestroyWindow(window);
    PostQuitMessage(exitCode);
}

void OnCommand(HWND window, int id, int code) {
    switch (id) {
    case IDC_DEMO_SHOW: ShowEditText(window); break;
    case IDC_DEMO_CHECK:
        EnableWindow(Item(window, IDC_DEMO_ACCEPT),
                     SendMessageA(Item(window, IDC_DEMO_CHECK), BM_GETCHECK, 0, 0) == BST_CHECKED);
        break;
    case IDC_DEMO_ACCEPT: EndWith(window, 3); break;
    case IDC_DEMO_PICTURE:
        // A quick second click arrives as a double click.
        if (code == STN_CLICKED || code == STN_DBLCLK) CountPictureClick(window);
        break;
    case IDCANCEL: EndWith(window, 2); break;
    }
}

LRESULT CALLBACK DemoWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: OnCreate(window); return 0;
    case WM_COMMAND: OnCommand(window, LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_CONTEXTMENU:
        if (IsOverPicture(window, lParam)) ShowPictureMenu(window);
        return 0;
    case WM_CLOSE:
        ReportLifetime();
        EndWith(window, SendMessageA(Item(window, IDC_DEMO_CHECK), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool IsF2(const MSG& msg) { return msg.message == WM_KEYDOWN && msg.wParam == VK_F2; }

}  // namespace

// The command line, when given, is the window's title (scenarios open
// windows that look like other programs, such as a Task Manager).
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show) {
    WNDCLASSA cls{};
    cls.lpfnWndProc = DemoWindowProc;
    cls.hInstance = instance;
    cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    cls.lpszClassName = kClassName;
    if (!RegisterClassA(&cls)) return 10;
    std::string title = commandLine ? commandLine : "";
    // An argument with a space arrives in quotes.
    if (title.size() >= 2 && title.front() == '"' && title.back() == '"') title = title.substr(1, title.size() - 2);
    HWND window = CreateWindowExA(0, kClassName, title.empty() ? "Driver Demo" : title.c_str(),
                                  WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 100, 100, 400, 240, nullptr,
                                  nullptr, instance, nullptr);
    if (!window) return 11;
    ShowWindow(window, show);
    UpdateWindow(window);
    if (!title.empty()) g_shownAt = GetTickCount();
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (IsF2(msg)) {
            SetWindowTextA(Item(window, IDC_DEMO_LABEL), "F2 pressed");
            continue;
        }
        if (IsDialogMessageA(window, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
