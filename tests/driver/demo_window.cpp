// A small window for proving the UI driver: an edit box, a button that copies
// the edit's text to a label, a check box that enables an accept button, and
// a picture that counts mouse clicks and opens a pop-up menu on a right
// click. F2 writes "F2 pressed" to the label, a menu choice "Menu: <item>".
// Exit codes: 0 closed, 1 closed with the box ticked, 2 Escape, 3 accepted.
#include <windows.h>

#include <cstdio>
#include <string>

#include "demo_window_ids.h"
#include "shared/win32/window.h"
#include "shared/win32/window_helpers.h"

namespace {

const char kClassName[] = "TsrDriverDemo";

// The demo's one window.
class DemoWindow : public Window {
public:
    bool Open(const std::string& title);
    // From now on closing the window reports how long it was shown.
    void NoteShown() { shownAt_ = GetTickCount(); }
    // F2 anywhere in the window.
    void OnF2() { SetWindowTextA(Item(IDC_DEMO_LABEL), "F2 pressed"); }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HWND Item(int id) const { return GetDlgItem(Hwnd(), id); }
    void AddControl(const char* cls, const char* text, DWORD style, int id, int x, int y, int w, int h);
    void OnCreate();
    void OnCommand(int id, int code);
    void CountPictureClick();
    void ShowPictureMenu();
    bool IsOverPicture(LPARAM screenPoint) const;
    void ReportLifetime() const;
    void EndWith(int exitCode);

    int pictureClicks_ = 0;
    DWORD shownAt_ = 0;
};

bool DemoWindow::Open(const std::string& title) {
    ClassInfo info;
    info.Name = kClassName;
    info.Background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    if (!RegisterClassOnce(info)) return false;
    return Create(kClassName, title.empty() ? "Driver Demo" : title.c_str(),
                  WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, 100, 100, 400, 240, nullptr) != nullptr;
}

void DemoWindow::AddControl(const char* cls, const char* text, DWORD style, int id, int x, int y, int w, int h) {
    HWND control = CreateChildControl(Hwnd(), cls, text, WS_VISIBLE | style, id);
    MoveWindow(control, x, y, w, h, FALSE);
    SetControlFont(control, static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
}

void DemoWindow::OnCreate() {
    AddControl("EDIT", "", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, IDC_DEMO_EDIT, 20, 20, 240, 24);
    AddControl("BUTTON", "&Show", WS_TABSTOP | BS_PUSHBUTTON, IDC_DEMO_SHOW, 270, 20, 90, 24);
    AddControl("STATIC", "(nothing yet)", SS_LEFT, IDC_DEMO_LABEL, 20, 60, 340, 20);
    AddControl("BUTTON", "I have read it", WS_TABSTOP | BS_AUTOCHECKBOX, IDC_DEMO_CHECK, 20, 90, 200, 24);
    AddControl("BUTTON", "Accept", WS_TABSTOP | WS_DISABLED | BS_PUSHBUTTON, IDC_DEMO_ACCEPT, 270, 90, 90, 24);
    AddControl("STATIC", "", SS_BLACKRECT | SS_NOTIFY, IDC_DEMO_PICTURE, 20, 130, 60, 40);
    AddControl("STATIC", "Picture clicks: 0", SS_LEFT, IDC_DEMO_CLICKS, 100, 140, 200, 20);
    SetFocus(Item(IDC_DEMO_EDIT));
}

void DemoWindow::CountPictureClick() {
    const std::string text = "Picture clicks: " + std::to_string(++pictureClicks_);
    SetWindowTextA(Item(IDC_DEMO_CLICKS), text.c_str());
}

// Right click on the picture: Red, Green, a separator and Size > Small, Large.
void DemoWindow::ShowPictureMenu() {
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
    const UINT chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, at.x, at.y, 0, Hwnd(), nullptr);
    DestroyMenu(menu);  // destroys the submenu too
    const char* names[] = {"Red", "Green", "Small", "Large"};
    if (chosen >= IDM_DEMO_RED && chosen <= IDM_DEMO_LARGE) {
        const std::string text = std::string("Menu: ") + names[chosen - IDM_DEMO_RED];
        SetWindowTextA(Item(IDC_DEMO_LABEL), text.c_str());
    }
}

bool DemoWindow::IsOverPicture(LPARAM screenPoint) const {
    RECT picture;
    GetWindowRect(Item(IDC_DEMO_PICTURE), &picture);
    POINT at{static_cast<short>(LOWORD(screenPoint)), static_cast<short>(HIWORD(screenPoint))};
    return PtInRect(&picture, at) != FALSE;
}

// With a title given, how long the window was on the screen before something
// closed it goes to "demo_window.out" in the current folder (scenarios time
// how fast other programs close it).
void DemoWindow::ReportLifetime() const {
    if (shownAt_ == 0) return;
    if (FILE* out = std::fopen("demo_window.out", "a")) {
        std::fprintf(out, "closed after %lu ms\n", static_cast<unsigned long>(GetTickCount() - shownAt_));
        std::fclose(out);
    }
}

void DemoWindow::EndWith(int exitCode) {
    DestroyWindow(Hwnd());
    PostQuitMessage(exitCode);
}

void DemoWindow::OnCommand(int id, int code) {
    switch (id) {
    case IDC_DEMO_SHOW: SetWindowTextA(Item(IDC_DEMO_LABEL), WindowText(Item(IDC_DEMO_EDIT)).c_str()); break;
    case IDC_DEMO_CHECK:
        EnableWindow(Item(IDC_DEMO_ACCEPT), SendMessageA(Item(IDC_DEMO_CHECK), BM_GETCHECK, 0, 0) == BST_CHECKED);
        break;
    case IDC_DEMO_ACCEPT: EndWith(3); break;
    case IDC_DEMO_PICTURE:
        // A quick second click arrives as a double click.
        if (code == STN_CLICKED || code == STN_DBLCLK) CountPictureClick();
        break;
    case IDCANCEL: EndWith(2); break;
    }
}

LRESULT DemoWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: OnCreate(); return 0;
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_CONTEXTMENU:
        if (IsOverPicture(lParam)) ShowPictureMenu();
        return 0;
    case WM_CLOSE:
        ReportLifetime();
        EndWith(SendMessageA(Item(IDC_DEMO_CHECK), BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0);
        return 0;
    }
    return DefaultHandling(message, wParam, lParam);
}

bool IsF2(const MSG& msg) { return msg.message == WM_KEYDOWN && msg.wParam == VK_F2; }

}  // namespace

// The command line, when given, is the window's title (scenarios open
// windows that look like other programs, such as a Task Manager).
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int show) {
    std::string title = commandLine ? commandLine : "";
    // An argument with a space arrives in quotes.
    if (title.size() >= 2 && title.front() == '"' && title.back() == '"') title = title.substr(1, title.size() - 2);
    DemoWindow window;
    if (!window.Open(title)) return 11;
    ShowWindow(window.Hwnd(), show);
    UpdateWindow(window.Hwnd());
    if (!title.empty()) window.NoteShown();
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (IsF2(msg)) {
            window.OnF2();
            continue;
        }
        if (IsDialogMessageA(window.Hwnd(), &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
