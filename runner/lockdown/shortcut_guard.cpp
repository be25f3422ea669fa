#include "runner/lockdown/shortcut_guard.h"

#include "shared/file_operations.h"
#include "shared/file_routines.h"

namespace {

// Writes each feature whose flags differ; true when all of them took.
bool WriteChanged(AccessibilitySystem& system, const AccessibilityFlags& now, const AccessibilityFlags& wanted) {
    bool ok = true;
    if (now.StickyKeys != wanted.StickyKeys) ok = system.Write(AccessFeature::StickyKeys, wanted.StickyKeys) && ok;
    if (now.FilterKeys != wanted.FilterKeys) ok = system.Write(AccessFeature::FilterKeys, wanted.FilterKeys) && ok;
    if (now.ToggleKeys != wanted.ToggleKeys) ok = system.Write(AccessFeature::ToggleKeys, wanted.ToggleKeys) && ok;
    return ok;
}

bool ReadSaved(const std::string& path, AccessibilityFlags* flags) {
    std::string text;
    if (!ReadWholeFile(path, &text)) return false;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return ReadFlagsText(text, flags);
}

}  // namespace

std::string SavedShortcutsPath(const std::string& localAppData) {
    if (localAppData.empty()) return std::string();
    return JoinPath(JoinPath(localAppData, "Tessarin"), "SavedShortcuts.txt");
}

bool QuietShortcuts(AccessibilitySystem& system, const std::string& savedPath) {
    if (savedPath.empty()) return false;
    AccessibilityFlags now;
    if (!system.Read(&now)) return false;
    AccessibilityFlags user;
    if (!ReadSaved(savedPath, &user)) {
        user = now;
        CreateFolder(FolderOf(savedPath));
        if (!ReplaceFileAtomically(savedPath, FlagsText(user))) return false;
    }
    WriteChanged(system, now, WithoutShortcuts(user));
    return true;
}

bool RestoreShortcuts(AccessibilitySystem& system, const std::string& savedPath) {
    if (savedPath.empty() || !FileExists(savedPath)) return true;
    AccessibilityFlags user, now;
    if (!ReadSaved(savedPath, &user)) {
        // Not ours to understand: nothing trustworthy to give back.
        DeleteFileAt(savedPath);
        return true;
    }
    if (!system.Read(&now) || !WriteChanged(system, now, user)) return false;
    DeleteFileAt(savedPath);
    return true;
}
