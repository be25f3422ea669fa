// Finding processes, top-level windows and their controls, with waiting.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

struct WindowQuery {
    DWORD pid = 0;
    std::string exe;
    std::string title;
    std::string className;
    HWND hwnd = nullptr;
    bool includeHidden = false;
};

struct ControlQuery {
    bool byId = false;
    int id = 0;
    std::string text;
    bool Empty() const { return !byId && text.empty(); }
};

// Windows process ids (not Unix ones) of every process whose image name is exe,
// compared without case, ".exe" optional.
std::vector<DWORD> ProcessIdsByExe(const std::string& exe);
std::string ProcessExeName(DWORD pid);

// The first matching top-level window in z-order, or null.
HWND FindTopWindow(const WindowQuery& query);
HWND WaitTopWindow(const WindowQuery& query, DWORD timeoutMs);

// Descendants in enumeration order (parents before their children).
std::vector<HWND> ChildWindows(HWND top);
HWND FindControl(HWND top, const ControlQuery& query);
HWND WaitControl(HWND top, const ControlQuery& query, DWORD timeoutMs);

// The whole text, or at most `limit` characters: finding and listing read
// only the start, so a control that holds a whole document (megabytes) is not
// copied across processes each time.
constexpr size_t kWholeText = static_cast<size_t>(-1);
constexpr size_t kShortText = 4096;
std::string WindowText(HWND hwnd, size_t limit = kWholeText);
std::string WindowClass(HWND hwnd);
