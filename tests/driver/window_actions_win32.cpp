#include "window_actions_win32.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "shared/win32/handles.h"
#include "window_find_win32.h"

namespace {

// Joins our input queue to the target thread's so SetFocus works across
// processes; undone when the link goes out of scope.
class ThreadInputLink {
public:
    explicit ThreadInputLink(HWND window)
        : self_(GetCurrentThreadId()), target_(GetWindowThreadProcessId(window, nullptr)) {
        linked_ = target_ != 0 && target_ != self_ && AttachThreadInput(self_, target_, TRUE);
    }
    ~ThreadInputLink() {
        if (linked_) AttachThreadInput(self_, target_, FALSE);
    }
    ThreadInputLink(const ThreadInputLink&) = delete;
    ThreadInputLink& operator=(const ThreadInputLink&) = delete;

private:
    DWORD self_;
    DWORD target_;
    bool linked_ = false;
};

void BringForward(HWND top, HWND control) {
    ThreadInputLink link(top);
    SetForegroundWindow(top);
    if (control) SetFocus(control);
}

bool IsClickableButton(HWND control) {
    if (lstrcmpiA(WindowClass(control).c_str(), "Button") != 0) return false;
    LONG type = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
    return type != BS_GROUPBOX;
}

bool IsCheckable(HWND control) {
    if (lstrcmpiA(WindowClass(control).c_str(), "Button") != 0) return false;
    switch (GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return true;
    default: return false;
    }
}

std::string Quote(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '"': out += "\\\""; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        default: out += c;
        }
    }
    return out + "\"";
}

void AddFlag(std::string& flags, bool present, const char* name) {
    if (!present) return;
    if (!flags.empty()) flags += ",";
    flags += name;
}

std::string StyleFlags(HWND hwnd, bool topLevel) {
    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    const LONG exStyle = GetWindowLongA(hwnd, GWL_EXSTYLE);
    std::string flags;
    if (topLevel) {
        AddFlag(flags, (style & WS_CAPTION) == WS_CAPTION, "WS_CAPTION");
        AddFlag(flags, style & WS_SYSMENU, "WS_SYSMENU");
        AddFlag(flags, style & WS_POPUP, "WS_POPUP");
        AddFlag(flags, style & WS_THICKFRAME, "WS_THICKFRAME");
        AddFlag(flags, style & WS_MINIMIZEBOX, "WS_MINIMIZEBOX");
        AddFlag(flags, style & WS_MAXIMIZEBOX, "WS_MAXIMIZEBOX");
        AddFlag(flags, exStyle & WS_EX_TOPMOST, "topmost");
        AddFlag(flags, exStyle & WS_EX_TOOLWINDOW, "toolwindow");
        AddFlag(flags, IsZoomed(hwnd), "maximized");
        AddFlag(flags, IsIconic(hwnd), "minimized");
        AddFlag(flags, GetMenu(hwnd) != nullptr, "menu");
    } else {
        AddFlag(flags, style & WS_TABSTOP, "WS_TABSTOP");
        AddFlag(flags, style & WS_BORDER, "WS_BORDER");
        if (IsCheckable(hwnd)) {
            LRESULT state = SendMessageA(hwnd, BM_GETCHECK, 0, 0);
            AddFlag(flags, state == BST_CHECKED, "checked");
            AddFlag(flags, state == BST_INDETERMINATE, "indeterminate");
        }
        AddFlag(flags, lstrcmpiA(WindowClass(hwnd).c_str(), "Button") == 0 && (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON,
                "default");
    }
    return flags.empty() ? "-" : flags;
}

BOOL CALLBACK PrintTop(HWND hwnd, LPARAM includeHidden) {
    const bool visible = IsWindowVisible(hwnd);
    if (!visible && !includeHidden) return TRUE;
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    std::printf("%s\t%lu\t%s\t%d\t%s\t%s\n", HandleText(hwnd).c_str(), static_cast<unsigned long>(pid),
                ProcessExeName(pid).c_str(), visible ? 1 : 0, WindowClass(hwnd).c_str(),
                Quote(WindowText(hwnd, kShortText)).c_str());
    return TRUE;
}

INPUT KeyInput(WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, 0));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

bool SendInputs(std::vector<INPUT>& inputs) {
    return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size();
}

// Key presses for one character of the system code page, shift included.
// The text an edit box holds after the keys for `text` (Enter is CR LF).
std::string ToTyped(const std::string& text) {
    std::string typed;
    for (char c : text) typed += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return typed;
}

bool CharInputs(char c, std::vector<INPUT>& inputs) {
    SHORT scan = VkKeyScanA(c);
    if (scan == -1) return false;
    const WORD vk = LOBYTE(scan);
    const bool shift = HIBYTE(scan) & 1;
    if (shift) inputs.push_back(KeyInput(VK_SHIFT, false));
    inputs.push_back(KeyInput(vk, false));
    inputs.push_back(KeyInput(vk, true));
    if (shift) inputs.push_back(KeyInput(VK_SHIFT, true));
    return true;
}

bool CheckUsable(HWND control, bool force, std::string& error) {
    if (!IsWindowVisible(control)) {
        error = "control is hidden";
        return false;
    }
    if (!IsWindowEnabled(control) && !force) {
        error = "control is disabled";
        return false;
    }
    return true;
}

}  // namespace

void WaitUntilIdle(HWND top) {
    DWORD pid = 0;
    GetWindowThreadProcessId(top, &pid);
    Sleep(30);
    KernelHandle process(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, pid));
    if (process.Valid()) WaitForInputIdle(process.Get(), 2000);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(top, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored);
}

std::string HandleText(HWND hwnd) {
    char text[32];
    std::snprintf(text, sizeof(text), "0x%llX", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(hwnd)));
    return text;
}

std::string DescribeWindow(HWND hwnd, bool topLevel) {
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    char line[256];
    std::snprintf(line, sizeof(line), "%s\t%s\t%d\t%d\t%d\t%ld,%ld,%ld,%ld\t%s\t", HandleText(hwnd).c_str(),
                  WindowClass(hwnd).c_str(), topLevel ? 0 : GetDlgCtrlID(hwnd), IsWindowVisible(hwnd) ? 1 : 0,
                  IsWindowEnabled(hwnd) ? 1 : 0, rect.left, rect.top, rect.right, rect.bottom,
                  StyleFlags(hwnd, topLevel).c_str());
    return line + Quote(WindowText(hwnd, kShortText));
}

void PrintWindowTree(HWND top) {
    std::printf("%s\n", DescribeWindow(top, true).c_str());
    for (HWND child : ChildWindows(top)) std::printf("%s\n", DescribeWindow(child, false).c_str());
}

void PrintTopWindows(bool includeHidden) { EnumWindows(PrintTop, includeHidden ? 1 : 0); }

bool ClickControl(HWND top, HWND control, const ClickOptions& options, std::string& error) {
    if (!CheckUsable(control, options.force, error)) return false;
    if (IsClickableButton(control) && !options.post && !options.right && !options.at) {
        // A click that opens a modal box does not return until the box closes, so
        // wait a little, then go on while the target keeps running its box.
        DWORD_PTR ignored = 0;
        SendMessageTimeoutA(control, BM_CLICK, 0, 0, SMTO_NORMAL, 1000, &ignored);
        return true;
    }
    RECT rect{};
    GetWindowRect(control, &rect);
    const int x = options.at ? rect.left + options.x : (rect.left + rect.right) / 2;
    const int y = options.at ? rect.top + options.y : (rect.top + rect.bottom) / 2;
    if (options.post) {
        POINT point{x, y};
        ScreenToClient(control, &point);
        const LPARAM where = MAKELPARAM(point.x, point.y);
        PostMessageA(control, options.right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, options.right ? MK_RBUTTON : MK_LBUTTON,
                     where);
        PostMessageA(control, options.right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, where);
    } else {
        BringForward(top, nullptr);
        if (!SetCursorPos(x, y)) {
            error = "cannot move the mouse";
            return false;
        }
        std::vector<INPUT> inputs(2);
        inputs[0].type = inputs[1].type = INPUT_MOUSE;
        inputs[0].mi.dwFlags = options.right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
        inputs[1].mi.dwFlags = options.right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
        if (!SendInputs(inputs)) {
            error = "SendInput refused the mouse click";
            return false;
        }
    }
    // A right click usually opens a pop-up menu, whose loop never idles.
    if (!options.right) WaitUntilIdle(top);
    return true;
}

bool TypeText(HWND top, HWND control, const std::string& text, bool clear, bool realInput, std::string& error) {
    HWND target = control ? control : top;
    if (control && !CheckUsable(control, false, error)) return false;
    BringForward(top, control);
    if (clear) {
        SendMessageA(target, EM_SETSEL, 0, -1);
        SendMessageA(target, WM_CLEAR, 0, 0);
    }
    if (realInput) {
        std::vector<INPUT> inputs;
        for (char c : text) {
            if (!CharInputs(c == '\n' ? '\r' : c, inputs)) {
                error = std::string("no key types the character '") + c + "'";
                return false;
            }
        }
        if (!inputs.empty() && !SendInputs(inputs)) {
            error = "SendInput refused the keys";
            return false;
        }
        WaitUntilIdle(top);
        // Real keys pass through the system's queues; an edit box shows them
        // when its text ends with them (a loaded machine may take a while).
        const std::string typed = ToTyped(text);
        const bool editBox = lstrcmpiA(WindowClass(target).c_str(), "Edit") == 0;
        for (int i = 0; editBox && i < 60; ++i) {
            const std::string now = WindowText(target, kShortText);
            if (now.size() >= typed.size() && now.compare(now.size() - typed.size(), typed.size(), typed) == 0) break;
            Sleep(50);
        }
        return true;
    }
    for (char c : text) {
        const unsigned char code = static_cast<unsigned char>(c == '\n' ? '\r' : c);
        DWORD_PTR ignored = 0;
        if (!SendMessageTimeoutA(target, WM_CHAR, code, 1, SMTO_ABORTIFHUNG, 2000, &ignored)) {
            error = "the control does not answer";
            return false;
        }
    }
    return true;
}

bool PressKey(HWND top, HWND control, const KeyChord& chord, bool post, std::string& error) {
    if (control && !CheckUsable(control, false, error)) return false;
    if (post) {
        HWND target = control;
        if (!target) {
            ThreadInputLink link(top);
            target = GetFocus();
            if (!target) target = top;
        }
        // Alt chords and F10 arrive as system keys, with the context bit set for Alt.
        const bool alt = std::find(chord.modifiers.begin(), chord.modifiers.end(), VK_MENU) != chord.modifiers.end();
        const bool system = alt || chord.key == VK_F10;
        const LPARAM flags = 1 | (static_cast<LPARAM>(MapVirtualKeyA(chord.key, 0)) << 16) | (alt ? (1 << 29) : 0);
        PostMessageA(target, system ? WM_SYSKEYDOWN : WM_KEYDOWN, chord.key, flags);
        PostMessageA(target, system ? WM_SYSKEYUP : WM_KEYUP, chord.key, flags | (3u << 30));
        WaitUntilIdle(top);
        return true;
    }
    BringForward(top, control);
    std::vector<INPUT> inputs;
    for (WORD vk : chord.modifiers) inputs.push_back(KeyInput(vk, false));
    inputs.push_back(KeyInput(chord.key, false));
    inputs.push_back(KeyInput(chord.key, true));
    for (auto it = chord.modifiers.rbegin(); it != chord.modifiers.rend(); ++it) inputs.push_back(KeyInput(*it, true));
    if (!SendInputs(inputs)) {
        error = "SendInput refused the keys";
        return false;
    }
    WaitUntilIdle(top);
    return true;
}

bool MoveMouse(int x, int y) { return SetCursorPos(x, y) != FALSE; }

bool CloseTopWindow(HWND top) { return PostMessageA(top, WM_CLOSE, 0, 0) != FALSE; }

bool EndSession(HWND top) {
    DWORD_PTR agreed = 0;
    if (!SendMessageTimeoutA(top, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000, &agreed))
        agreed = 0;
    SendMessageTimeoutA(top, WM_ENDSESSION, agreed ? TRUE : FALSE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000, nullptr);
    return agreed != 0;
}

bool WaitProcessExit(DWORD pid, DWORD timeoutMs, DWORD& exitCode, std::string& error) {
    KernelHandle process(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, pid));
    if (!process.Valid()) {
        error = "cannot open process " + std::to_string(pid);
        return false;
    }
    if (WaitForSingleObject(process.Get(), timeoutMs) != WAIT_OBJECT_0) {
        error = "process " + std::to_string(pid) + " still running";
        return false;
    }
    if (!GetExitCodeProcess(process.Get(), &exitCode)) {
        error = "no exit code for process " + std::to_string(pid);
        return false;
    }
    return true;
}

bool KillProcess(DWORD pid, UINT exitCode, std::string& error) {
    KernelHandle process(OpenProcess(PROCESS_TERMINATE, FALSE, pid));
    if (!process.Valid() || !TerminateProcess(process.Get(), exitCode)) {
        error = "cannot end process " + std::to_string(pid);
        return false;
    }
    return true;
}
