// The settings tab: the settings file being edited, in grdProperty. Each row
// goes back into AdminSettings when the current cell moves; the "Value"
// column is edited with a drop-down list of the setting's choices or a text
// editor; PropertyMenu opens the user-profiles window.
#pragma once

#include <string>

#include "admin/console/console_ids.h"
#include "admin/settings/editing_table_tab_win32.h"
#include "admin/settings/settings_table.h"

class SettingsTab : public EditingTableTab {
public:
    SettingsTab() : EditingTableTab(IDC_GRDPROPERTY, TabControl::PropertyGrid) {}
    bool Create(ConsoleHost& host) override;
    void Open() override;
    void Enter() override;
    void PickFile(const std::string& labelText) override;
    bool Save(std::string* failure) override;
    void DiscardEdits() override;
    bool Command(int id) override;

    // Writes the settings being edited as the profile file `fileName` in
    // the "Profiles" folder (the main window's CopyProperty).
    CopyResult CopyProperty(const std::string& fileName);

    // ---- the table's events ----
    void MouseDown(int Button, int Shift, long X, long Y) override;
    void DblClick() override;
    void RowColChange() override;
    void KeyPress(int& KeyAscii) override;

private:
    // The table filled again from AdminSettings; no row is pending.
    void Refill();
    void ApplyValueEditor(const ValueEditor& editor);
    void ShowUsersWindow(int action);
    // Connects with "Record Database" and reports the driver or its error.
    void TestRecordDatabase();

    long lastSettingRow_ = 0;  // LastSettingRow
};
