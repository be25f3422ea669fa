// The window procedures of the grid control, shared by its source files.
#pragma once

#include <windows.h>

#include "admin/grid/edit_grid_win32.h"

constexpr char kEditGridClass[] = "TsrEditGrid";
constexpr char kFlexGridClass[] = "TsrFlexGrid";
// Posted to the control: refit scroll bars and editors after changes.
constexpr UINT WM_GRID_REFIT = WM_APP + 0x51;
// Posted to the control when an editor lost the focus: commit if the focus
// went out of the control.
constexpr UINT WM_GRID_FOCUSCHECK = WM_APP + 0x52;
// Posted to the inner grid: take the focus back (the owner cancelled Validate).
constexpr UINT WM_GRID_REFOCUS = WM_APP + 0x53;
constexpr UINT_PTR kTypeAheadTimer = 1;
constexpr int kComboDropHeight = 220;   // pixels of a drop-down with its list open

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

std::string WindowTextOf(HWND hwnd);
