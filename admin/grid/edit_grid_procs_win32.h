// The editors' subclass procedures and the constants the grid control's
// source files share.
#pragma once

#include <windows.h>

#include "admin/grid/edit_grid_win32.h"
#include "shared/win32/messages.h"

constexpr char kEditGridClass[] = "TsrEditGrid";
constexpr char kFlexGridClass[] = "TsrFlexGrid";
constexpr UINT_PTR kTypeAheadTimer = 1;
constexpr int kComboDropHeight = 220;  // pixels of a drop-down with its list open

struct EditGridProcs {
    // Subclass procedures of the editors.
    static LRESULT CALLBACK Text(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK Combo(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ComboEdit(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    // The control whose control window this is; null for other windows and
    // once the control is going.
    static ctlEditGrid* ControlOf(HWND window) {
        auto* part = Window::FromHwnd<ctlEditGrid::Part>(window);
        return part ? &part->Owner() : nullptr;
    }
};
