// The declaration window's hold on the desktop: locked at load, re-asserted
// on every timer tick and key, released at unload.
#pragma once

#include <windows.h>

#include "runner/lockdown/system_keys_win32.h"
#include "runner/start/screen_saver_win32.h"

class DeclarationWindow;

class DeclarationLockdown {
public:
    explicit DeclarationLockdown(DeclarationWindow& window) : window_(window) {}
    DeclarationLockdown(const DeclarationLockdown&) = delete;
    DeclarationLockdown& operator=(const DeclarationLockdown&) = delete;

    // The load steps: caption, always on top, screen-saver flag, logon start,
    // taskbar hidden; then the system keys blocked ("Block System Keys", on
    // unless "No") and the enforcement timer started.
    void LockDesktop();
    // True when the timer belonged to the lockdown.
    bool OnTimer(UINT_PTR timer);
    // Any key message of the window or its children (called from the message
    // loop, since the focus is usually on a child).
    void OnKey(const MSG& message);
    // The unload steps, also when the session ends under the window; the
    // enforcement stops for good. Safe to call more than once.
    void UnlockDesktop();
    bool Locked() const { return locked_; }
    // The switch-away keys are being swallowed ("Block System Keys").
    bool KeysHeld() const { return systemKeys_.Held(); }

private:
    void NextEyeFrame();
    bool EndScreenSaver();
    void EnforceAfterKey();

    DeclarationWindow& window_;
    ScreenSaverExit saverExit_;
    SystemKeyBlock systemKeys_;
    int eyeFrame_ = 0;        // 0: no frame shown yet
    DWORD lastEyeFrame_ = 0;  // tick count of the last frame
    bool keyEnforcePending_ = false;
    bool locked_ = false;
};
