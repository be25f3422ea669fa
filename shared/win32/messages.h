// The private messages of the programs' windows, in one list so no two
// share a number.
#pragma once

#include <windows.h>

// Asks the declaration window for its composed background (PicturePixels*),
// so picture controls can paint over it.
constexpr UINT WM_TSR_GETBACKGROUND = WM_APP + 0x40;
// Posted to the declaration window: unload now (the answer is done).
constexpr UINT WM_TSR_UNLOAD_NOW = WM_APP + 0x41;
// Posted to the grid control: refit scroll bars and editors after changes.
constexpr UINT WM_GRID_REFIT = WM_APP + 0x51;
// Posted to the grid control when an editor lost the focus: commit if the
// focus went out of the control.
constexpr UINT WM_GRID_FOCUSCHECK = WM_APP + 0x52;
// Posted to the inner grid: take the focus back (the owner cancelled Validate).
constexpr UINT WM_GRID_REFOCUS = WM_APP + 0x53;
