#include "admin/settings/settings_tab_win32.h"

void SettingsTab::Enter() { Host().SetPathLabel(Host().GetSettingsFile()); }

void SettingsTab::PickFile(const std::string& labelText) {
    const std::string chosen = Host().GetDiag("Declaration Ini", labelText);
    Host().SetPathLabel(chosen);
    Host().OpenSettingsFile(chosen);
}
