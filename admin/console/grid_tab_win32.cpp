#include "admin/console/grid_tab_win32.h"

bool GridTab::Create(ConsoleHost& host) {
    host_ = &host;
    if (!grid_.Create(host.MainWindow(), controlId_, RECT{0, 0, 100, 100})) return false;
    ShowWindow(grid_.Hwnd(), SW_HIDE);
    grid_.SetListener(this);
    return true;
}

void GridTab::Place(const RECT& page) {
    MoveWindow(grid_.Hwnd(), page.left, page.top, page.right - page.left, page.bottom - page.top, TRUE);
}

void GridTab::ShowPage(bool shown) {
    ShowWindow(grid_.Hwnd(), shown && host_->ControlShown(control_) ? SW_SHOW : SW_HIDE);
}
