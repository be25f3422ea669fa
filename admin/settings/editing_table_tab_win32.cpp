#include "admin/settings/editing_table_tab_win32.h"

#include <algorithm>

void EditingTableTab::Place(const RECT& page) {
    page_ = page;
    ApplyWidth();
}

void EditingTableTab::WindowWidthChanged(long innerWidthTwips) {
    widths_ = SizeEditingTable(Grid().Model(), innerWidthTwips);
    ApplyWidth();
}

void EditingTableTab::ApplyWidth() {
    const long pageWidth = page_.right - page_.left;
    const TwipScale& scale = Grid().Scale();
    const long width = widths_.Table > 0 ? std::min(pageWidth, scale.ToPixelsX(widths_.Table)) : pageWidth;
    MoveWindow(Grid().Hwnd(), page_.left, page_.top, static_cast<int>(std::max(1L, width)),
               static_cast<int>(std::max(1L, page_.bottom - page_.top)), TRUE);
    if (widths_.Table <= 0) return;
    RECT client{};
    GetClientRect(Grid().Hwnd(), &client);
    const long room = scale.ToTwipsX(client.right - GetSystemMetrics(SM_CXVSCROLL));
    Grid().Grid().SetColWidth(1, static_cast<int>(FirstColumnWidthIn(widths_, room)));
}

void EditingTableTab::ShowPopupMenu(HMENU menu) {
    POINT at{};
    GetCursorPos(&at);
    // No TPM_RETURNCMD: the choice is posted to the main window, which hands
    // it to the tabs once the grid's mouse handling has returned.
    TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, Host().MainWindow(), nullptr);
}
