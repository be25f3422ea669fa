// The dates tab: the document-dates file in grdDocDates.
#pragma once

#include <string>

#include "admin/console/grid_tab_win32.h"
#include "admin/console/console_ids.h"
#include "shared/settings_store.h"

class DatesTab : public GridTab {
public:
    DatesTab() : GridTab(IDC_GRDDOCDATES, TabControl::DatesGrid) {}
    void Open() override;
    void Enter() override;
    void PickFile(const std::string& labelText) override;

    std::string GetDatesFile();

private:
    void LoadDates();

    SettingsStore docDates_{StoreVariant::Console};
    std::string datesFilePath_;
};
