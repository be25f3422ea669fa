#include "runner/lockdown/system_keys.h"

#include <cstdio>

namespace {

// Virtual keys and accessibility flags as the system numbers them.
constexpr std::uint32_t kTab = 0x09, kEscape = 0x1B, kLeftWin = 0x5B, kRightWin = 0x5C, kApps = 0x5D;
constexpr std::uint32_t kHotkeyActive = 0x00000004;   // SKF_, FKF_, TKF_HOTKEYACTIVE
constexpr std::uint32_t kConfirmHotkey = 0x00000008;  // SKF_, FKF_, TKF_CONFIRMHOTKEY

std::uint32_t Quiet(std::uint32_t flags) { return flags & ~(kHotkeyActive | kConfirmHotkey); }

}  // namespace

bool IsSwitchAwayKey(const KeyEvent& key) {
    if (key.VirtualKey == kLeftWin || key.VirtualKey == kRightWin || key.WinDown) return true;
    if (key.VirtualKey == kApps && key.CtrlDown) return true;
    if (key.VirtualKey == kTab && key.AltDown) return true;
    if (key.VirtualKey == kEscape && (key.AltDown || key.CtrlDown)) return true;
    return false;
}

AccessibilityFlags WithoutShortcuts(const AccessibilityFlags& user) {
    return {Quiet(user.StickyKeys), Quiet(user.FilterKeys), Quiet(user.ToggleKeys)};
}

std::string FlagsText(const AccessibilityFlags& flags) {
    return std::to_string(flags.StickyKeys) + "," + std::to_string(flags.FilterKeys) + "," +
           std::to_string(flags.ToggleKeys);
}

bool ReadFlagsText(const std::string& text, AccessibilityFlags* flags) {
    unsigned long a = 0, b = 0, c = 0;
    char extra = 0;
    if (std::sscanf(text.c_str(), "%lu,%lu,%lu%c", &a, &b, &c, &extra) != 3) return false;
    *flags = {static_cast<std::uint32_t>(a), static_cast<std::uint32_t>(b), static_cast<std::uint32_t>(c)};
    return true;
}
