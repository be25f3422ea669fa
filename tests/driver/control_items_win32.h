// Reading the items of a tab control or a toolbar in another process.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

struct ControlItem {
    RECT rect{};            // pixels from the control's top left corner (as click --at takes them)
    bool selected = false;  // the current tab; a checked or pressed button
    std::string caption;
};

// The items of the tab control or toolbar, or false with a reason in error.
// Their messages carry pointers, so these point into memory lent by the
// control's own process.
bool ReadControlItems(HWND control, std::vector<ControlItem>& items, std::string& error);
