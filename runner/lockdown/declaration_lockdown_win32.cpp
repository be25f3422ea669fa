#include "runner/lockdown/declaration_lockdown_win32.h"

#include "runner/lockdown/lockdown_win32.h"
#include "runner/start/run_control.h"
#include "runner/window/declaration_window_win32.h"
#include "runner/window/picture_resources_win32.h"
#include "shared/identity.h"
#include "shared/logon_start.h"
#include "shared/registry_win32.h"
#include "shared/text_routines.h"

namespace {

// The enforcement runs often enough that a Task Manager window is closed
// well within a tenth of a second, yet costs next to nothing between ticks.
const UINT_PTR kEnforceTimer = 1;
const UINT kEnforceInterval = 50;
// A key is followed by the enforcement a tenth of a second later, when a
// window the key combination opened has had time to appear. Waiting on a
// timer rather than in the handler keeps the window answering keys.
const UINT_PTR kKeyTimer = 2;
const UINT kKeyDelay = 100;
const DWORD kEyeFrameTicks = 150;

}  // namespace

void DeclarationLockdown::NextEyeFrame() {
    const DWORD now = GetTickCount();
    if (eyeFrame_ != 0 && now - lastEyeFrame_ < kEyeFrameTicks) return;
    eyeFrame_ = eyeFrame_ >= PIC_EYE_LAST ? PIC_EYE_FIRST : eyeFrame_ + 1;
    lastEyeFrame_ = now;
    PictureControl& eye = window_.Controls().Eye;
    if (IsWindowVisible(eye.Hwnd()))
        eye.SetPicture(&window_.Pictures().Picture(static_cast<DeclarationPicture>(eyeFrame_)));
}

// The screen saver's exit test; unloads the window when the mouse moved.
// Answers true when the window is going.
bool DeclarationLockdown::EndScreenSaver() {
    if (window_.Answer().Answered()) return false;  // the answer closes the window itself
    RunControl& run = window_.Run();
    if (!saverExit_.ShouldEnd(run.IsScreenSaverMode(), run.Settings)) return false;
    PostMessageA(window_.Hwnd(), WM_TSR_UNLOAD_NOW, 0, 0);
    return true;
}

void DeclarationLockdown::EnforceAfterKey() {
    KillTimer(window_.Hwnd(), kKeyTimer);
    keyEnforcePending_ = false;
    Win32Registry registry;
    HideTaskbar(true);
    CloseTaskManager(registry, true);
    EndScreenSaver();
}

void DeclarationLockdown::LockDesktop() {
    HWND window = window_.Hwnd();
    const SettingsStore& settings = window_.Run().Settings;
    const std::string caption = GetSettingItem("Declaration Caption", settings);
    SetWindowTextA(window, caption == "0" ? "" : caption.c_str());
    bool onTop = true;
    AlwaysOnTop(window, onTop);
    SetScreenSaverRunning(true);
    Win32Registry registry;
    RegisterLogonStart(registry, GetSettingItem("Logon Start", settings), AppExePath());
    HideTaskbarWindow();
    locked_ = true;
    InstallLockdownCrashGuard();
    if (IsYes(GetSettingItem("Block System Keys", settings))) systemKeys_.Hold();
    SetTimer(window, kEnforceTimer, kEnforceInterval, nullptr);
}

bool DeclarationLockdown::OnTimer(UINT_PTR timer) {
    if (timer != kKeyTimer && timer != kEnforceTimer) return false;
    // A tick queued before the unlock must not forbid Task Manager again.
    if (!locked_) return true;
    if (timer == kKeyTimer) {
        EnforceAfterKey();
        return true;
    }
    Win32Registry registry;
    CloseTaskManager(registry, true);
    NextEyeFrame();
    EndScreenSaver();
    return true;
}

void DeclarationLockdown::OnKey(const MSG& message) {
    if (!locked_) return;
    switch (message.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (message.wParam == VK_F2) ShowAbout(window_.Hwnd());
        break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR:
    case WM_SYSCHAR: break;
    default: return;
    }
    // A held key repeats: one enforcement per tenth of a second is enough.
    if (keyEnforcePending_) return;
    keyEnforcePending_ = true;
    SetTimer(window_.Hwnd(), kKeyTimer, kKeyDelay, nullptr);
}

void DeclarationLockdown::UnlockDesktop() {
    if (!locked_) return;
    locked_ = false;
    // Once unlocked the window never locks again, though it may stay up a
    // while (the session ending leaves it to the system).
    KillTimer(window_.Hwnd(), kEnforceTimer);
    KillTimer(window_.Hwnd(), kKeyTimer);
    keyEnforcePending_ = false;
    systemKeys_.Release();
    Win32Registry registry;
    ReleaseLockdown(registry);
}
