// The keys that switch away from the declaration, and the accessibility
// shortcuts that open other windows, while the desktop is held.
#pragma once

#include <cstdint>
#include <string>

struct KeyEvent {
    std::uint32_t VirtualKey;
    bool AltDown;  // the system's flag for this key event
    bool CtrlDown;
    bool ShiftDown;
    bool WinDown;  // either Windows key held
};

// Alt+Tab (and Alt+Shift+Tab), Alt+Esc, Ctrl+Esc, Ctrl+Shift+Esc, both
// Windows keys and anything pressed with them. Ctrl+Alt+Del is the system's
// and never reaches a program.
bool IsSwitchAwayKey(const KeyEvent& key);

// The user's accessibility settings that matter here: the flags of Sticky
// Keys, Filter Keys and Toggle Keys.
struct AccessibilityFlags {
    std::uint32_t StickyKeys = 0;
    std::uint32_t FilterKeys = 0;
    std::uint32_t ToggleKeys = 0;
    bool operator==(const AccessibilityFlags& o) const {
        return StickyKeys == o.StickyKeys && FilterKeys == o.FilterKeys && ToggleKeys == o.ToggleKeys;
    }
};

// The flags with the shortcuts (five Shift presses, holding right Shift,
// holding Num Lock) switched off and everything else as the user has it: a
// feature the user has switched on stays on, only its shortcut goes.
AccessibilityFlags WithoutShortcuts(const AccessibilityFlags& user);

// The user's flags as text for the crash guard ("sticky,filter,toggle" in
// decimal), and back; false for text that is not three numbers.
std::string FlagsText(const AccessibilityFlags& flags);
bool ReadFlagsText(const std::string& text, AccessibilityFlags* flags);
