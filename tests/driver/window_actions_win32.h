// What the driver does to windows, controls and processes.
#pragma once
#include <windows.h>

#include <string>

#include "key_names_win32.h"

// One line per window: hwnd class id visible enabled left,top,right,bottom flags "text".
std::string DescribeWindow(HWND hwnd, bool topLevel);
void PrintWindowTree(HWND top);
void PrintTopWindows(bool includeHidden);

struct ClickOptions {
    bool post = false;   // posted mouse messages instead of real input
    bool force = false;  // click even a disabled control
    bool right = false;  // right button (always a mouse click)
    bool at = false;     // at (x, y) pixels from the control's top left corner, not its centre
    int x = 0, y = 0;
};

// Each answers false with a reason in error.
bool ClickControl(HWND top, HWND control, const ClickOptions& options, std::string& error);
bool TypeText(HWND top, HWND control, const std::string& text, bool clear, bool realInput, std::string& error);
bool PressKey(HWND top, HWND control, const KeyChord& chord, bool post, std::string& error);
bool MoveMouse(int x, int y);

// Lets the window's program handle what was posted or typed before the next
// command looks at it.
void WaitUntilIdle(HWND top);
bool CloseTopWindow(HWND top);
// What the system sends a window at log-off: WM_QUERYENDSESSION, then
// WM_ENDSESSION telling whether the session really ends. True when the
// window agreed.
bool EndSession(HWND top);

// Waits for the process to end and gives its exit code; false on timeout or
// when the process cannot be opened.
bool WaitProcessExit(DWORD pid, DWORD timeoutMs, DWORD& exitCode, std::string& error);
bool KillProcess(DWORD pid, UINT exitCode, std::string& error);

// "0x1A2B" style text of a window handle.
std::string HandleText(HWND hwnd);
