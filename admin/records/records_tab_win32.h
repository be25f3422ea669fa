// The records tab: the acceptance records in grdLog.
#pragma once

#include <string>

#include "admin/console/console_ids.h"
#include "admin/console/grid_tab_win32.h"

class RecordsTab : public GridTab {
public:
    RecordsTab() : GridTab(IDC_GRDLOG, TabControl::LogGrid) {}
    void Enter() override;

private:
    std::string LogFolder();
};
