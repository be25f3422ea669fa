#include "admin/profiles/users_window_win32.h"

#include <algorithm>

#include "admin/console/console_ids.h"
#include "admin/console/picker_dialogs_win32.h"
#include "admin/profiles/user_profiles.h"
#include "shared/win32/window_helpers.h"

namespace {

constexpr char kClassName[] = "TsrUsers";
// Pixels at 96 DPI.
constexpr int kWidth96 = 300;
constexpr int kHeight96 = 320;
constexpr int kMargin96 = 8;
constexpr int kButtonWidth96 = 80;
constexpr int kButtonHeight96 = 25;
// Milliseconds of copying between two looks at the window's messages.
constexpr DWORD kCopyLookMs = 50;

}  // namespace

bool frmUsers::Load(UsersParent& parent) {
    parent_ = &parent;
    ClassInfo info;
    info.Name = kClassName;
    info.Background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    if (!RegisterClassOnce(info)) return false;
    RECT frame{0, 0, Scale96(kWidth96), Scale96(kHeight96)};
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    const DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    if (!Create(kClassName, "Users", style, exStyle, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                parent.MainWindow()))
        return false;
    if (!CreateControls()) return false;
    Layout();
    ListProfiles();
    return true;
}

bool frmUsers::CreateControls() {
    font_.Reset(CreatePointFont(Hwnd(), 8, false, "MS Shell Dlg 2"));
    auto add = [this](const char* cls, const char* text, DWORD style, int id, DWORD exStyle) {
        HWND child = CreateChildControl(Hwnd(), cls, text, style, id, exStyle);
        SetControlFont(child, font_.Get());
        return child;
    };
    users_ = add("EDIT", "", WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, IDC_TXTUSERS,
                 WS_EX_CLIENTEDGE);
    fileList_ =
        add("LISTBOX", "", WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_MULTIPLESEL | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY,
            IDC_FILELIST, WS_EX_CLIENTEDGE);
    action_ = add("BUTTON", kDeleteCaption, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, IDC_USERS_ACTION, 0);
    close_ = add("BUTTON", kCloseCaption, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, IDC_USERS_CLOSE, 0);
    if (!users_ || !fileList_ || !action_ || !close_) return false;
    // A users list may be long: no limit but memory.
    SendMessageA(users_, EM_SETLIMITTEXT, 0, 0);
    return true;
}

void frmUsers::Layout() {
    RECT client{};
    GetClientRect(Hwnd(), &client);
    const int margin = Scale96(kMargin96);
    const int buttonWidth = Scale96(kButtonWidth96), buttonHeight = Scale96(kButtonHeight96);
    const int buttonTop = client.bottom - margin - buttonHeight;
    const int listHeight = std::max(1, buttonTop - 2 * margin);
    for (HWND list : {users_, fileList_})
        MoveWindow(list, margin, margin, std::max(1, static_cast<int>(client.right) - 2 * margin), listHeight, TRUE);
    const int closeLeft = client.right - margin - buttonWidth;
    MoveWindow(close_, closeLeft, buttonTop, buttonWidth, buttonHeight, TRUE);
    MoveWindow(action_, closeLeft - margin - buttonWidth, buttonTop, buttonWidth, buttonHeight, TRUE);
}

void frmUsers::PlaceAt(int left, int top) {
    RECT window{};
    GetWindowRect(Hwnd(), &window);
    const int width = window.right - window.left, height = window.bottom - window.top;
    // A main window at the screen's right edge would put this one out of
    // sight: it then moves left just enough to be seen whole.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    const POINT corner{left, top};
    if (GetMonitorInfoA(MonitorFromPoint(corner, MONITOR_DEFAULTTONEAREST), &monitor)) {
        const RECT& work = monitor.rcWork;
        left = std::max(static_cast<int>(work.left), std::min(left, static_cast<int>(work.right) - width));
        top = std::max(static_cast<int>(work.top), std::min(top, static_cast<int>(work.bottom) - height));
    }
    SetWindowPos(Hwnd(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void frmUsers::ShowMe(int iAction, UsersParent& ParentForm) {
    parent_ = &ParentForm;
    const UsersWindowSetup setup = UsersSetupFor(iAction);
    if (setup.Applies) {
        ShowWindow(fileList_, setup.FileListShown ? SW_SHOW : SW_HIDE);
        ShowWindow(users_, setup.UsersShown ? SW_SHOW : SW_HIDE);
        SetWindowTextA(action_, setup.ButtonCaption.c_str());
        SetWindowTextA(Hwnd(), setup.Caption.c_str());
    }
    RunModal();
}

void frmUsers::RunModal() {
    HWND owner = parent_->MainWindow();
    EnableWindow(owner, FALSE);
    ShowWindow(Hwnd(), SW_SHOW);
    SetFocus(IsWindowVisible(users_) ? users_ : fileList_);
    MSG message;
    while (!closed_) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got <= 0) {
            // The program is ending: the main loop must see its quit too.
            if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (IsDialogMessageA(Hwnd(), &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    // The owner comes back first, so activation returns to it.
    EnableWindow(owner, TRUE);
    if (Hwnd()) DestroyWindow(Hwnd());
    SetActiveWindow(owner);
}

void frmUsers::Close() {
    closed_ = true;
    stopCopy_ = copying_;
    // A close sent from another thread is handled inside GetMessage, which
    // returns only for a posted message: one wakes the modal loop.
    PostMessageA(Hwnd(), WM_NULL, 0, 0);
}

// ---- the action button ----

void frmUsers::OnAction() {
    const std::string caption = WindowText(action_);
    if (caption == kImportCaption) {
        Import();
    } else if (caption == kCopyCaption) {
        CopyProperty(WindowText(users_));
    } else if (caption == kDeleteCaption) {
        if (MessageBoxA(Hwnd(), kDeleteQuestion, kDeleteTitle, MB_YESNO | MB_ICONQUESTION) != IDYES) return;
        DeleteUserProfiles();
        ListProfiles();
    }
}

void frmUsers::Import() {
    // The main window's picker for "Users", owned by this window so that
    // closing the dialog gives the focus back here, not to the main window.
    const std::string path = RunPicker(Hwnd(), PickerFor("Users", parent_->AppFolder()), std::string());
    WaitCursor wait;
    const std::string text = ImportUsersText(path);
    SetWindowTextA(users_, text.c_str());
    // A multi-line box sends no change notice for text set this way.
    SetWindowTextA(action_, UsersButtonCaption(text).c_str());
}

void frmUsers::CopyProperty(const std::string& strText) {
    WaitCursor wait;
    copying_ = true;
    stopCopy_ = false;
    lastLook_ = GetTickCount();
    EnableWindow(users_, FALSE);
    EnableWindow(action_, FALSE);
    const CopyReport report = CopyToUsers(
        strText, [this](const std::string& fileName) { return parent_->CopyProperty(fileName); },
        [this](std::size_t done, std::size_t total) { return KeepCopying(done, total); });
    copying_ = false;
    if (IsWindow(Hwnd())) {
        EnableWindow(users_, TRUE);
        EnableWindow(action_, TRUE);
    }
    parent_->ShowStatusMsg(CopyStatusText(report));
}

bool frmUsers::KeepCopying(std::size_t done, std::size_t total) {
    if (GetTickCount() - lastLook_ < kCopyLookMs) return !stopCopy_;
    parent_->ShowStatusMsg("Copying settings: " + std::to_string(done) + " of " + std::to_string(total) +
                           " users (Close stops)");
    MSG message;
    while (!stopCopy_ && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            // The program is ending: stop, and leave the quit for the loops.
            PostQuitMessage(static_cast<int>(message.wParam));
            stopCopy_ = true;
            break;
        }
        if (IsDialogMessageA(Hwnd(), &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    lastLook_ = GetTickCount();
    return !stopCopy_ && IsWindow(Hwnd());
}

void frmUsers::ListProfiles() {
    SendMessageA(fileList_, LB_RESETCONTENT, 0, 0);
    profiles_ = ::ListProfiles(parent_->AppFolder());
    for (const std::string& name : profiles_)
        SendMessageA(fileList_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
}

void frmUsers::DeleteUserProfiles() {
    std::vector<bool> selected(profiles_.size(), false);
    for (std::size_t i = 0; i < profiles_.size(); ++i)
        selected[i] = SendMessageA(fileList_, LB_GETSEL, static_cast<WPARAM>(i), 0) > 0;
    parent_->ShowStatusMsg(DeleteStatusText(::DeleteUserProfiles(parent_->AppFolder(), profiles_, selected)));
}

// ---- messages ----

void frmUsers::OnCommand(int id, int code) {
    switch (id) {
    case IDC_USERS_ACTION:
        if (code == BN_CLICKED) OnAction();
        break;
    case IDC_USERS_CLOSE:
    case IDCANCEL: Close(); break;
    case IDC_TXTUSERS:
        if (code == EN_CHANGE) SetWindowTextA(action_, UsersButtonCaption(WindowText(users_)).c_str());
        break;
    default: break;
    }
}

LRESULT frmUsers::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    case WM_CLOSE: Close(); return 0;
    case WM_SETCURSOR:
        if (!copying_) break;
        SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
        return TRUE;
    default: break;
    }
    return DefaultHandling(message, wParam, lParam);
}
