#include "admin/console/position_store_win32.h"

#include <string>

#include "shared/registry.h"
#include "shared/registry_win32.h"

namespace {

std::string SettingsKey() {
    return std::string("Software\\VB and VBA Program Settings\\") + kPositionTitle + "\\" + kPositionSection;
}

}  // namespace

TwipsPlacement LoadWindowPosition() {
    Win32Registry registry;
    const PositionValueNames names;
    const TwipsPlacement defaults;
    auto read = [&](const char* name, long fallback) {
        return StoredTwips(RegGetString(registry, kHkeyCurrentUser, SettingsKey(), name, ""), fallback);
    };
    TwipsPlacement placement;
    placement.Left = read(names.Left, defaults.Left);
    placement.Top = read(names.Top, defaults.Top);
    placement.Width = read(names.Width, defaults.Width);
    placement.Height = read(names.Height, defaults.Height);
    return placement;
}

void SaveWindowPosition(const TwipsPlacement& placement) {
    Win32Registry registry;
    const PositionValueNames names;
    RegSetString(registry, kHkeyCurrentUser, SettingsKey(), names.Left, std::to_string(placement.Left));
    RegSetString(registry, kHkeyCurrentUser, SettingsKey(), names.Top, std::to_string(placement.Top));
    RegSetString(registry, kHkeyCurrentUser, SettingsKey(), names.Width, std::to_string(placement.Width));
    RegSetString(registry, kHkeyCurrentUser, SettingsKey(), names.Height, std::to_string(placement.Height));
}
