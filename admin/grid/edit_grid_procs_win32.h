// The window procedures of the grid control, shared by its source files.
#pragma once

#include <windows.h>

#include "admin/grid/edit_grid_win32.h"
#include "shared/win32/messages.h"

constexpr char kEditGridClass[] = "TsrEditGrid";
constexpr char kFlexGridClass[] = "TsrFlexGrid";
constexpr UINT_PTR kTypeAheadTimer = 1;
constexpr int kComboDropHeight = 220;  // pixels of a drop-down with its list open

struct EditGridProcs {
    static LRESULT CALLBACK Control(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK Grid(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Subclass procedures of the editors.
    static LRESULT CALLBACK Text(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK Combo(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ComboEdit(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
};

// The control a window of the grid belongs to (its user data).
inline ctlEditGrid* ControlOf(HWND hwnd) {
    return reinterpret_cast<ctlEditGrid*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}
