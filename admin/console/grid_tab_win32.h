// The part every table tab shares: one ctlEditGrid on the page, shown while
// the page is up and the tab switch has not hidden it.
#pragma once

#include "admin/console/console_tab.h"
#include "admin/grid/edit_grid_win32.h"

class GridTab : public ConsoleTab, public EditGridListener {
public:
    GridTab(int controlId, TabControl control) : controlId_(controlId), control_(control) {}
    bool Create(ConsoleHost& host) override;
    void Place(const RECT& page) override;
    void ShowPage(bool shown) override;

    ctlEditGrid& Grid() { return grid_; }

protected:
    ConsoleHost& Host() const { return *host_; }

private:
    ConsoleHost* host_ = nullptr;
    int controlId_;
    TabControl control_;
    ctlEditGrid grid_;
};
