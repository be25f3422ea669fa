#include "runner/lockdown/lockdown_win32.h"

#include <string>

#include "runner/lockdown/task_manager_policy.h"
#include "runner/lockdown/system_keys_win32.h"
#include "runner/lockdown/window_finder_win32.h"
#include "shared/registry_win32.h"

namespace {

const char kTaskbarClass[] = "Shell_traywnd";

void CloseFoundWindow(const char* title, bool close) {
    HWND found = FindWindowLike(title, false);
    if (close && found) SendMessageA(found, WM_SYSCOMMAND, SC_CLOSE, 0);
}

// major.minor.revision from the program's own version resource, read
// directly so that version.dll need not be loaded.
std::string ProgramVersion() {
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(16));  // RT_VERSION
    HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
    const auto* bytes = static_cast<const unsigned char*>(loaded ? LockResource(loaded) : nullptr);
    const DWORD size = found ? SizeofResource(nullptr, found) : 0;
    for (DWORD at = 0; bytes && at + sizeof(VS_FIXEDFILEINFO) <= size; at += 4) {
        const auto* info = reinterpret_cast<const VS_FIXEDFILEINFO*>(bytes + at);
        if (info->dwSignature == 0xFEEF04BD) {
            return std::to_string(HIWORD(info->dwFileVersionMS)) + "." + std::to_string(LOWORD(info->dwFileVersionMS)) +
                   "." + std::to_string(LOWORD(info->dwFileVersionLS));
        }
    }
    return "0.0.0";
}

}  // namespace

void AlwaysOnTop(HWND window, bool& onTop) {
    onTop = SetWindowPos(window, onTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE) != FALSE;
}

void SetScreenSaverRunning(bool running) {
    SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, running ? 1 : 0, nullptr, 0);
}

void CloseTaskManager(Registry& registry, bool close) {
    CloseFoundWindow("Windows Task Manager", close);
    SetTaskManagerPolicy(registry, close);
    CloseFoundWindow("Task Manager", close);
}

void HideTaskbar(bool hide) {
    HWND taskbar = FindWindowA(kTaskbarClass, nullptr);
    if (!taskbar) return;
    ShowWindow(taskbar, hide ? SW_HIDE : SW_SHOW);
    EnableWindow(taskbar, hide ? FALSE : TRUE);
}

void HideTaskbarWindow() {
    HWND taskbar = FindWindowA(kTaskbarClass, "");
    if (taskbar) {
        SetWindowPos(taskbar, nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void ShowTaskbarWindow() {
    HWND taskbar = FindWindowA(kTaskbarClass, "");
    if (taskbar) {
        SetWindowPos(taskbar, nullptr, 0, 0, 0, 0,
                     SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void ShowAbout(HWND owner) {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name(path, length);
    name = name.substr(name.find_last_of("\\/") + 1);
    const auto dot = name.find_last_of('.');
    if (dot != std::string::npos) name.resize(dot);

    const std::string text = name + " " + ProgramVersion();
    MessageBoxA(owner, text.c_str(), "About", MB_OK);
}

LONG WINAPI UndoLockdownOnCrash(EXCEPTION_POINTERS*) {
    Win32Registry registry;
    ReleaseLockdown(registry);
    RestoreLeftShortcuts();
    return EXCEPTION_CONTINUE_SEARCH;
}

void InstallLockdownCrashGuard() { SetUnhandledExceptionFilter(UndoLockdownOnCrash); }

void ReleaseLockdown(Registry& registry) {
    SetTaskManagerPolicy(registry, false);
    HideTaskbar(false);
    SetScreenSaverRunning(false);
    LockWindowUpdate(nullptr);
}
