// The accessibility shortcuts switched off while the desktop is held, and the
// user's own flags given back on every way out, even after a run that was
// killed: the flags are written to a small file before anything changes,
// and whoever finds that file later (the unlock, the crash guard, the next
// start) puts them back and removes it.
#pragma once

#include <cstdint>
#include <string>

#include "runner/lockdown/system_keys.h"

enum class AccessFeature { StickyKeys, FilterKeys, ToggleKeys };

// The system's accessibility settings for this session.
class AccessibilitySystem {
public:
    virtual ~AccessibilitySystem() = default;
    virtual bool Read(AccessibilityFlags* flags) = 0;
    // Changes the session's value only, never the user's stored profile.
    virtual bool Write(AccessFeature feature, std::uint32_t flags) = 0;
};

// Where the user's flags wait: "Tessarin\SavedShortcuts.txt" in the user's
// local application data; empty when that folder is unknown.
std::string SavedShortcutsPath(const std::string& localAppData);

// Saves the user's flags, then switches the shortcuts off. A file left by a
// run that could not give them back already holds the user's flags, so it is
// kept as it is. False (and nothing changed) when the flags cannot be read
// or saved: without a way back the shortcuts stay as they are.
bool QuietShortcuts(AccessibilitySystem& system, const std::string& savedPath);

// Gives back, from the saved file, every flag that differs from it (after a
// crash part-way only some were changed) and removes the file. The file stays
// when a flag could not be written, for the next try. True when nothing is
// left to give back.
bool RestoreShortcuts(AccessibilitySystem& system, const std::string& savedPath);
