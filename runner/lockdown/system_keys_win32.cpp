#include "runner/lockdown/system_keys_win32.h"

#include "shared/file_routines.h"

namespace {

bool KeyHeld(int key) { return (GetAsyncKeyState(key) & 0x8000) != 0; }

// Short, as the system wants of a low-level hook: a key that switches away
// is swallowed (both its press and its release, so that a Windows key
// released alone opens nothing either); everything else goes on.
LRESULT CALLBACK SwallowSwitchAwayKeys(int code, WPARAM message, LPARAM data) {
    if (code == HC_ACTION) {
        const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(data);
        KeyEvent event;
        event.VirtualKey = key->vkCode;
        event.AltDown = (key->flags & LLKHF_ALTDOWN) != 0 || KeyHeld(VK_MENU);
        event.CtrlDown = KeyHeld(VK_CONTROL);
        event.ShiftDown = KeyHeld(VK_SHIFT);
        event.WinDown = KeyHeld(VK_LWIN) || KeyHeld(VK_RWIN);
        if (IsSwitchAwayKey(event)) return 1;
    }
    return CallNextHookEx(nullptr, code, message, data);
}

template <typename T>
bool ReadFeature(UINT action, T* value) {
    value->cbSize = sizeof(T);
    return SystemParametersInfoA(action, sizeof(T), value, 0) != FALSE;
}

// The other fields as they are; the session's value only (no profile write).
template <typename T>
bool WriteFeature(UINT readAction, UINT writeAction, std::uint32_t flags) {
    T value = {};
    if (!ReadFeature(readAction, &value)) return false;
    value.dwFlags = flags;
    return SystemParametersInfoA(writeAction, sizeof(T), &value, 0) != FALSE;
}

}  // namespace

bool Win32Accessibility::Read(AccessibilityFlags* flags) {
    STICKYKEYS sticky = {};
    FILTERKEYS filter = {};
    TOGGLEKEYS toggle = {};
    if (!ReadFeature(SPI_GETSTICKYKEYS, &sticky) || !ReadFeature(SPI_GETFILTERKEYS, &filter) ||
        !ReadFeature(SPI_GETTOGGLEKEYS, &toggle))
        return false;
    *flags = {sticky.dwFlags, filter.dwFlags, toggle.dwFlags};
    return true;
}

bool Win32Accessibility::Write(AccessFeature feature, std::uint32_t flags) {
    switch (feature) {
    case AccessFeature::StickyKeys: return WriteFeature<STICKYKEYS>(SPI_GETSTICKYKEYS, SPI_SETSTICKYKEYS, flags);
    case AccessFeature::FilterKeys: return WriteFeature<FILTERKEYS>(SPI_GETFILTERKEYS, SPI_SETFILTERKEYS, flags);
    case AccessFeature::ToggleKeys: return WriteFeature<TOGGLEKEYS>(SPI_GETTOGGLEKEYS, SPI_SETTOGGLEKEYS, flags);
    }
    return false;
}

std::string UserSavedShortcutsPath() { return SavedShortcutsPath(LocalAppDataFolder()); }

void RestoreLeftShortcuts() {
    const std::string saved = UserSavedShortcutsPath();
    if (!FileExists(saved)) return;
    Win32Accessibility system;
    RestoreShortcuts(system, saved);
}

void SystemKeyBlock::Hold() {
    if (held_) return;
    held_ = true;
    Win32Accessibility system;
    QuietShortcuts(system, UserSavedShortcutsPath());
    hook_ = SetWindowsHookExA(WH_KEYBOARD_LL, SwallowSwitchAwayKeys, GetModuleHandleA(nullptr), 0);
}

void SystemKeyBlock::Release() {
    if (!held_) return;
    held_ = false;
    if (hook_) UnhookWindowsHookEx(hook_);
    hook_ = nullptr;
    Win32Accessibility system;
    RestoreShortcuts(system, UserSavedShortcutsPath());
}
