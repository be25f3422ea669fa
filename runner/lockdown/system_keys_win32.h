// The switch-away keys swallowed and the accessibility shortcuts off while
// the declaration is up ("Block System Keys").
#pragma once

#include <windows.h>

#include "runner/lockdown/shortcut_guard.h"

// The session's Sticky Keys, Filter Keys and Toggle Keys settings.
class Win32Accessibility : public AccessibilitySystem {
public:
    bool Read(AccessibilityFlags* flags) override;
    bool Write(AccessFeature feature, std::uint32_t flags) override;
};

// Where this user's saved flags wait (see SavedShortcutsPath).
std::string UserSavedShortcutsPath();

// Gives back flags a run left behind (killed, or crashed past its guard);
// costs one file lookup when there are none.
void RestoreLeftShortcuts();

// A low-level keyboard hook on the calling thread, which must pump messages
// while it is held, and the shortcuts off: both for as long as the object
// holds them.
class SystemKeyBlock {
public:
    SystemKeyBlock() = default;
    ~SystemKeyBlock() { Release(); }
    SystemKeyBlock(const SystemKeyBlock&) = delete;
    SystemKeyBlock& operator=(const SystemKeyBlock&) = delete;

    void Hold();
    // The hook removed and the user's flags given back; safe to call again.
    void Release();
    bool Held() const { return held_; }

private:
    HHOOK hook_ = nullptr;
    bool held_ = false;
};
