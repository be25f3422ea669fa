#include "runner/lockdown/window_finder_win32.h"

#include "runner/lockdown/title_pattern.h"

namespace {

struct Search {
    std::string Pattern;
    bool CaseSensitive = false;
    HWND Found = nullptr;
};

std::string UpperCase(std::string text) {
    if (!text.empty()) CharUpperBuffA(&text[0], static_cast<DWORD>(text.size()));
    return text;
}

BOOL CALLBACK InspectWindow(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    if (!IsWindowVisible(window) || GetParent(window) != nullptr) return TRUE;
    char buffer[129] = {};
    const int length = GetWindowTextA(window, buffer, sizeof(buffer));
    if (length <= 0) return TRUE;
    std::string title(buffer, static_cast<std::size_t>(length));
    if (!search->CaseSensitive) title = UpperCase(title);
    if (!TitleMatchesPattern(title, search->Pattern)) return TRUE;
    search->Found = window;
    return FALSE;
}

}  // namespace

HWND FindWindowLike(const std::string& titlePattern, bool caseSensitive) {
    Search search;
    search.CaseSensitive = caseSensitive;
    search.Pattern = caseSensitive ? titlePattern : UpperCase(titlePattern);
    EnumWindows(InspectWindow, reinterpret_cast<LPARAM>(&search));
    return search.Found;
}
