// The settings tab: the settings file being edited, in grdProperty.
#pragma once

#include <string>

#include "admin/console/console_ids.h"
#include "admin/console/grid_tab_win32.h"

class SettingsTab : public GridTab {
public:
    SettingsTab() : GridTab(IDC_GRDPROPERTY, TabControl::PropertyGrid) {}
    void Enter() override;
    void PickFile(const std::string& labelText) override;
};
