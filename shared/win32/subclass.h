// Subclassing a window the classic way: its old window procedure is kept in
// a window property. (The common controls' subclass helpers would make
// every program that links the grid import comctl32 at start.)
#pragma once

#include <windows.h>

// Puts proc in front of the window's procedure; false when it cannot.
bool SubclassWindow(HWND hwnd, WNDPROC proc);
// The window's own procedure, for what the subclass leaves to it. On
// WM_NCDESTROY the window gets its own procedure back.
LRESULT CallOriginalProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
