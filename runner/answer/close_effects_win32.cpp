#include "runner/answer/close_effects_win32.h"

#include <cmath>
#include <random>

#include "runner/answer/tsr_library_win32.h"
#include "shared/win32/handles.h"

namespace {

void PumpWaitingMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// The window's inner area including the parts its child controls cover:
// the fill goes over the whole window, not only between the controls.
const DWORD kOverChildren = DCX_CACHE | DCX_CLIPSIBLINGS;

}  // namespace

void AnimateForm(HWND window, int intOut, int intRate) {
    SendMessageA(window, WM_SETREDRAW, TRUE, 0);
    AnimateWindow(window, static_cast<DWORD>(intRate), intOut != 0 ? AW_CENTER : (AW_HIDE | AW_CENTER));
}

void RandomBlockFill(HWND window, double seconds, DWORD rasterOperation, int blockWidth, int blockHeight) {
    RECT client;
    GetClientRect(window, &client);
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    std::mt19937 random(GetTickCount());
    std::uniform_real_distribution<double> fraction(0.0, 1.0);

    // The raster operations used ignore the source, so no memory bitmap is needed.
    const DWORD start = GetTickCount();
    const DWORD duration = static_cast<DWORD>(seconds * 1000.0);
    while (IsWindow(window) && GetTickCount() - start < duration) {
        {
            WindowDC dc(window, kOverChildren);
            for (int i = 0; i < 16 && dc.Get(); ++i) {
                const int x = static_cast<int>(std::lround(fraction(random) * width - blockWidth));
                const int y = static_cast<int>(std::lround(fraction(random) * height - blockHeight));
                PatBlt(dc.Get(), x, y, blockWidth, blockHeight, rasterOperation);
            }
        }
        PumpWaitingMessages();
        Sleep(1);
    }
    if (!IsWindow(window)) return;
    WindowDC dc(window, kOverChildren);
    if (dc.Get()) PatBlt(dc.Get(), 0, 0, width, height, rasterOperation);
}

void PlayCloseEffect(HWND window, const std::string& closeAction, int answer) {
    if (closeAction == "Random") {
        if (answer == 1) RandomBlockFill(window, 3.0, WHITENESS, 30, 20);
        if (answer == 2) RandomBlockFill(window, 3.0, BLACKNESS, 20, 30);
    } else if (closeAction == "CloseIn") {
        AnimateForm(window, 0, 100);
    }
}

void EnableShutdownPrivilege() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
        return;
    }
    TOKEN_PRIVILEGES privileges = {};
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    if (LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid)) {
        AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    }
    CloseHandle(token);
}

void ShutdownWindow(UINT uFlags, DWORD dwReserved) {
    EnableShutdownPrivilege();
    ExitWindowsEx(uFlags, dwReserved);
}

void RunDeclineAction(TsrLibrary& library) {
    if (library.Present() && library.DeclineAction()) return;
    ShutdownWindow(EWX_LOGOFF | EWX_FORCEIFHUNG, 0);
}
