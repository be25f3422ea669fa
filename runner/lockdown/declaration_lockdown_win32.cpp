#include "runner/lockdown/declaration_lockdown_win32.h"

#include "runner/answer/declaration_answer_win32.h"
#include "runner/window/declaration_state_win32.h"
#include "runner/lockdown/lockdown_win32.h"
#include "shared/logon_start.h"
#include "runner/window/picture_control_win32.h"
#include "runner/start/run_control.h"
#include "shared/identity.h"
#include "shared/registry_win32.h"

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

void NextEyeFrame(DeclarationState& s) {
    const DWORD now = GetTickCount();
    if (s.EyeFrame != 0 && now - s.LastEyeFrame < kEyeFrameTicks) return;
    s.EyeFrame = s.EyeFrame >= PIC_EYE_LAST ? PIC_EYE_FIRST : s.EyeFrame + 1;
    s.LastEyeFrame = now;
    if (IsWindowVisible(s.Control.Eye))
        SetPicture(s.Control.Eye, &s.Pictures->Picture(static_cast<DeclarationPicture>(s.EyeFrame)));
}

// The screen saver's exit test; unloads the window when the mouse moved.
// Answers true when the window is going.
bool EndScreenSaver(HWND window, DeclarationState& s) {
    if (s.Answer && s.Answer->Answered()) return false;  // the answer closes the window itself
    if (!s.SaverExit.ShouldEnd(s.Run->IsScreenSaverMode(), s.Run->Settings)) return false;
    PostMessageA(window, WM_TSR_UNLOAD_NOW, 0, 0);
    return true;
}

void EnforceAfterKey(HWND window, DeclarationState& s) {
    KillTimer(window, kKeyTimer);
    s.KeyEnforcePending = false;
    Win32Registry registry;
    HideTaskbar(true);
    CloseTaskManager(registry, true);
    EndScreenSaver(window, s);
}

}  // namespace

void LockDesktop(HWND window, DeclarationState& s) {
    const std::string caption = GetSettingItem("Declaration Caption", s.Run->Settings);
    SetWindowTextA(window, caption == "0" ? "" : caption.c_str());
    bool onTop = true;
    AlwaysOnTop(window, onTop);
    SetScreenSaverRunning(true);
    Win32Registry registry;
    RegisterLogonStart(registry, GetSettingItem("Logon Start", s.Run->Settings), AppExePath());
    HideTaskbarWindow();
    s.Locked = true;
    InstallLockdownCrashGuard();
    SetTimer(window, kEnforceTimer, kEnforceInterval, nullptr);
}

bool OnLockdownTimer(HWND window, DeclarationState& s, UINT_PTR timer) {
    if (timer == kKeyTimer) {
        EnforceAfterKey(window, s);
        return true;
    }
    if (timer != kEnforceTimer) return false;
    Win32Registry registry;
    CloseTaskManager(registry, true);
    NextEyeFrame(s);
    EndScreenSaver(window, s);
    return true;
}

void OnLockdownKey(HWND window, DeclarationState& s, const MSG& message) {
    switch (message.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (message.wParam == VK_F2) ShowAbout(window);
        break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR:
    case WM_SYSCHAR: break;
    default: return;
    }
    // A held key repeats: one enforcement per tenth of a second is enough.
    if (s.KeyEnforcePending) return;
    s.KeyEnforcePending = true;
    SetTimer(window, kKeyTimer, kKeyDelay, nullptr);
}

void UnlockDesktop(DeclarationState& s) {
    if (!s.Locked) return;
    s.Locked = false;
    Win32Registry registry;
    ReleaseLockdown(registry);
}
