// The dates tab: the document-dates file in grdDocDates, its pop-up menu
// (DocDateMenu), the file picker per row, and saving the table as the file.
#pragma once

#include <string>

#include "admin/console/console_ids.h"
#include "admin/dates/dates_table.h"
#include "admin/settings/editing_table_tab_win32.h"
#include "shared/calendar_win32.h"
#include "shared/settings_store.h"

class DatesTab : public EditingTableTab {
public:
    DatesTab() : EditingTableTab(IDC_GRDDOCDATES, TabControl::DatesGrid) {}
    bool Create(ConsoleHost& host) override;
    void Open() override;
    void Enter() override;
    void PickFile(const std::string& labelText) override;
    bool Save(std::string* failure) override;
    bool Command(int id) override;

    // ---- the table's events ----
    void MouseDown(int Button, int Shift, long X, long Y) override;
    void DblClick() override;
    void RowColChange() override;
    void KeyPress(int& KeyAscii) override;
    void EnterCell() override;
    void LeaveCell() override;

    std::string GetDatesFile();

private:
    // DocDates emptied and loaded from the dates file; the table refilled.
    void LoadDates();
    void ShowDocDateMenu();
    void RunMenuCommand(DatesCommand command);

    SettingsStore docDates_{StoreVariant::Console};
    std::string datesFilePath_;
    Win32Calendar calendar_;
    // The cell entered last and its text then: leaving it changed is an edit.
    long enteredRow_ = 0, enteredCol_ = 0;
    std::string enteredText_;
};
