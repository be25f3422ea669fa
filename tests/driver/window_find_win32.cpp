#include "window_find_win32.h"

#include <tlhelp32.h>

#include <algorithm>
#include <cctype>

#include "shared/win32/handles.h"

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::string WithExeExtension(const std::string& name) {
    std::string lower = Lower(name);
    if (lower.size() < 4 || lower.compare(lower.size() - 4, 4, ".exe") != 0) lower += ".exe";
    return lower;
}

std::string WithoutAmpersands(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) ++i;  // "&&" stands for one "&"
        out += text[i];
    }
    return out;
}

struct TopSearch {
    const WindowQuery* query;
    std::vector<DWORD> pids;
    HWND found = nullptr;
};

// Pop-up menus and tooltips float above a program's windows; they are only
// chosen when asked for by class.
bool IsFloatingHelper(HWND hwnd) {
    const std::string cls = Lower(WindowClass(hwnd));
    return cls == "#32768" || cls == "tooltips_class32";
}

bool MatchesTop(HWND hwnd, const TopSearch& search) {
    const WindowQuery& query = *search.query;
    if (!query.includeHidden && !IsWindowVisible(hwnd)) return false;
    if (query.className.empty() && IsFloatingHelper(hwnd)) return false;
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (query.pid != 0 && pid != query.pid) return false;
    if (!query.exe.empty() && std::find(search.pids.begin(), search.pids.end(), pid) == search.pids.end()) return false;
    if (!query.title.empty() && WindowText(hwnd, kShortText) != query.title) return false;
    if (!query.className.empty() && Lower(WindowClass(hwnd)) != Lower(query.className)) return false;
    return true;
}

BOOL CALLBACK CollectTop(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<TopSearch*>(param);
    if (!MatchesTop(hwnd, *search)) return TRUE;
    search->found = hwnd;
    return FALSE;
}

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
    return TRUE;
}

}  // namespace

std::vector<DWORD> ProcessIdsByExe(const std::string& exe) {
    std::vector<DWORD> pids;
    FileHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot.Valid()) return pids;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    const std::string wanted = WithExeExtension(exe);
    for (BOOL ok = Process32First(snapshot.Get(), &entry); ok; ok = Process32Next(snapshot.Get(), &entry)) {
        if (Lower(entry.szExeFile) == wanted) pids.push_back(entry.th32ProcessID);
    }
    return pids;
}

std::string ProcessExeName(DWORD pid) {
    FileHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot.Valid()) return "?";
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL ok = Process32First(snapshot.Get(), &entry); ok; ok = Process32Next(snapshot.Get(), &entry)) {
        if (entry.th32ProcessID == pid) return entry.szExeFile;
    }
    return "?";
}

HWND FindTopWindow(const WindowQuery& query) {
    if (query.hwnd) {
        if (!IsWindow(query.hwnd)) return nullptr;
        return (query.includeHidden || IsWindowVisible(query.hwnd)) ? query.hwnd : nullptr;
    }
    TopSearch search;
    search.query = &query;
    if (!query.exe.empty()) {
        search.pids = ProcessIdsByExe(query.exe);
        if (search.pids.empty()) return nullptr;
    }
    EnumWindows(CollectTop, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitTopWindow(const WindowQuery& query, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (HWND hwnd = FindTopWindow(query)) return hwnd;
        if (GetTickCount64() >= deadline) return nullptr;
        Sleep(50);
    }
}

std::vector<HWND> ChildWindows(HWND top) {
    std::vector<HWND> children;
    EnumChildWindows(top, CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

HWND FindControl(HWND top, const ControlQuery& query) {
    for (HWND child : ChildWindows(top)) {
        if (query.byId) {
            if (GetDlgCtrlID(child) == query.id) return child;
            continue;
        }
        const std::string text = WindowText(child, kShortText);
        if (text == query.text || WithoutAmpersands(text) == query.text) return child;
    }
    return nullptr;
}

HWND WaitControl(HWND top, const ControlQuery& query, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (HWND hwnd = FindControl(top, query)) return hwnd;
        if (!IsWindow(top) || GetTickCount64() >= deadline) return nullptr;
        Sleep(50);
    }
}

std::string WindowText(HWND hwnd, size_t limit) {
    // WM_GETTEXT rather than GetWindowText: it reads controls of other processes too.
    DWORD_PTR length = limit;
    if (limit == kWholeText && !SendMessageTimeoutA(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length))
        return "";
    std::string text(static_cast<size_t>(length) + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]), SMTO_ABORTIFHUNG, 2000,
                             &copied))
        return "";
    text.resize(std::min<size_t>(static_cast<size_t>(copied), text.size() - 1));
    return text;
}

std::string WindowClass(HWND hwnd) {
    char name[256] = "";
    GetClassNameA(hwnd, name, sizeof(name));
    return name;
}
