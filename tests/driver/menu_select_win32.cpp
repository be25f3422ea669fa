#include "menu_select_win32.h"

#include "window_find_win32.h"

namespace {

const char kPopupMenuClass[] = "#32768";

struct PopupSearch {
    DWORD pid;
    HWND found = nullptr;
};

BOOL CALLBACK FindPopup(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<PopupSearch*>(param);
    if (!IsWindowVisible(hwnd) || WindowClass(hwnd) != kPopupMenuClass) return TRUE;
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (search->pid != 0 && pid != search->pid) return TRUE;
    search->found = hwnd;
    return FALSE;
}

HWND WaitPopupMenu(DWORD pid, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        PopupSearch search{pid};
        EnumWindows(FindPopup, reinterpret_cast<LPARAM>(&search));
        if (search.found || GetTickCount64() >= deadline) return search.found;
        Sleep(50);
    }
}

// The menu loop of the owner reads every key of its thread's queue, whatever
// window it was posted to.
void PostKey(HWND popup, WORD vk) {
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(vk, 0)) << 16;
    PostMessageA(popup, WM_KEYDOWN, vk, 1 | scan);
    PostMessageA(popup, WM_KEYUP, vk, 1 | scan | (3u << 30));
}

std::string ItemCaption(HMENU menu, int position) {
    char text[256] = "";
    GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof(text), MF_BYPOSITION);
    return text;
}

bool IsSeparator(HMENU menu, int position) {
    return (GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION) & MF_SEPARATOR) != 0;
}

// Position of the item with the caption, or -1; steps counts the items the
// arrow keys pass on the way (separators are skipped by them).
int FindItem(HMENU menu, const std::string& caption, int& steps) {
    steps = 0;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        if (IsSeparator(menu, i)) continue;
        if (PlainMenuCaption(ItemCaption(menu, i)) == caption) return i;
        ++steps;
    }
    return -1;
}

// Position of the item the arrow keys reach after steps presses past the first.
int PositionOfStep(HMENU menu, int steps) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        if (IsSeparator(menu, i)) continue;
        if (steps-- == 0) return i;
    }
    return -1;
}

void CloseMenus(HWND popup, size_t levels) {
    for (size_t i = 0; i < levels; ++i) PostKey(popup, VK_ESCAPE);
}

}  // namespace

bool SplitMenuPath(const std::string& path, std::vector<std::string>& parts) {
    parts.clear();
    size_t start = 0;
    for (;;) {
        const size_t mark = path.find('>', start);
        parts.push_back(path.substr(start, mark == std::string::npos ? std::string::npos : mark - start));
        if (parts.back().empty()) return false;
        if (mark == std::string::npos) return true;
        start = mark + 1;
    }
}

std::string PlainMenuCaption(const std::string& caption) {
    std::string plain;
    for (size_t i = 0; i < caption.size() && caption[i] != '\t'; ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) ++i;  // "&&" stands for one "&"
        plain += caption[i];
    }
    return plain;
}

bool ParseMenuPosition(const std::string& part, int& steps) {
    if (part.size() < 2 || part[0] != '#') return false;
    int number = 0;
    for (size_t i = 1; i < part.size(); ++i) {
        if (part[i] < '0' || part[i] > '9' || number > 1000) return false;
        number = number * 10 + (part[i] - '0');
    }
    if (number < 1) return false;
    steps = number - 1;
    return true;
}

bool SelectPopupMenuItem(const std::vector<std::string>& path, DWORD pid, DWORD timeoutMs, std::string& error) {
    HWND popup = WaitPopupMenu(pid, timeoutMs);
    if (!popup) {
        error = "no pop-up menu on screen";
        return false;
    }
    // Wine keeps a menu inside its own process: from here it can be walked by
    // position ("#3" = third item, separators not counted) but not read.
    HMENU menu = reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0));
    bool readable = menu && GetMenuItemCount(menu) >= 0;
    for (size_t level = 0; level < path.size(); ++level) {
        const bool last = level + 1 == path.size();
        int steps = 0;
        int position = -1;
        if (readable) {
            position = ParseMenuPosition(path[level], steps) ? PositionOfStep(menu, steps)
                                                             : FindItem(menu, path[level], steps);
            if (position < 0) {
                CloseMenus(popup, level + 1);
                error = "no menu item \"" + path[level] + "\"";
                return false;
            }
            const UINT state = GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION);
            if (last && (state & (MF_GRAYED | MF_DISABLED))) {
                CloseMenus(popup, level + 1);
                error = "menu item \"" + path[level] + "\" is disabled";
                return false;
            }
        } else if (!ParseMenuPosition(path[level], steps)) {
            CloseMenus(popup, level + 1);
            error = "this menu cannot be read from another process; give positions such as #3>#2";
            return false;
        }
        // A new pop-up starts with nothing selected; an opened submenu with its first item.
        if (level == 0) PostKey(popup, VK_DOWN);
        for (int i = 0; i < steps; ++i) PostKey(popup, VK_DOWN);
        if (last) {
            PostKey(popup, VK_RETURN);
            return true;
        }
        PostKey(popup, VK_RIGHT);
        if (readable) {
            menu = GetSubMenu(menu, position);
            if (!menu) {
                CloseMenus(popup, level + 1);
                error = "menu item \"" + path[level] + "\" has no submenu";
                return false;
            }
        }
    }
    return true;
}
