// Key names on the driver's command line ("F2", "ESCAPE", "CTRL+SHIFT+TAB").
#pragma once
#include <windows.h>

#include <string>
#include <vector>

struct KeyChord {
    std::vector<WORD> modifiers;  // VK_CONTROL, VK_SHIFT, VK_MENU in the order given
    WORD key = 0;
};

// False when a part of the name is not a known key.
bool ParseKeyChord(const std::string& text, KeyChord& chord);
