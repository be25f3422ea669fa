// uidriver: finds windows and controls of another program and clicks, types
// and reads them, for the end-to-end scenarios. See DriverUsage().
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "control_items_win32.h"
#include "driver_args.h"
#include "key_names_win32.h"
#include "menu_select_win32.h"
#include "window_actions_win32.h"
#include "window_find_win32.h"

namespace {

constexpr int kOk = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

long long Number(const DriverCommand& command, const char* option, long long fallback) {
    long long value = fallback;
    if (command.Has(option)) ParseNumber(command.Get(option), value);
    return value;
}

WindowQuery QueryFrom(const DriverCommand& command) {
    WindowQuery query;
    query.pid = static_cast<DWORD>(Number(command, "pid", 0));
    query.exe = command.Get("exe");
    query.title = command.Get("title");
    query.className = command.Get("class");
    query.hwnd = reinterpret_cast<HWND>(static_cast<UINT_PTR>(Number(command, "hwnd", 0)));
    return query;
}

ControlQuery ControlFrom(const DriverCommand& command) {
    ControlQuery query;
    if (command.Has("id")) {
        query.byId = true;
        query.id = static_cast<int>(Number(command, "id", 0));
    } else {
        query.text = command.Get("text");
    }
    return query;
}

template <typename T>
bool AccessFeatureFlags(UINT getAction, UINT setAction, const DWORD* newFlags, DWORD& flags) {
    T value = {};
    value.cbSize = sizeof(T);
    if (!SystemParametersInfoA(getAction, sizeof(T), &value, 0)) return false;
    if (newFlags) {
        value.dwFlags = *newFlags;
        if (!SystemParametersInfoA(setAction, sizeof(T), &value, SPIF_SENDCHANGE)) return false;
    }
    flags = value.dwFlags;
    return true;
}

// Reads (after setting them, with --set) the accessibility flags a locked
// desktop changes; prints "sticky,filter,toggle".
int AccessFlags(const DriverCommand& command) {
    unsigned long wanted[3] = {};
    const bool set = command.Has("set");
    if (set && std::sscanf(command.Get("set").c_str(), "%lu,%lu,%lu", &wanted[0], &wanted[1], &wanted[2]) != 3)
        return kUsage;
    const DWORD newFlags[3] = {wanted[0], wanted[1], wanted[2]};
    DWORD flags[3] = {};
    if (!AccessFeatureFlags<STICKYKEYS>(SPI_GETSTICKYKEYS, SPI_SETSTICKYKEYS, set ? &newFlags[0] : nullptr, flags[0]) ||
        !AccessFeatureFlags<FILTERKEYS>(SPI_GETFILTERKEYS, SPI_SETFILTERKEYS, set ? &newFlags[1] : nullptr, flags[1]) ||
        !AccessFeatureFlags<TOGGLEKEYS>(SPI_GETTOGGLEKEYS, SPI_SETTOGGLEKEYS, set ? &newFlags[2] : nullptr, flags[2])) {
        std::fprintf(stderr, "uidriver: access-flags: the system refused (error %lu)\n",
                     static_cast<unsigned long>(GetLastError()));
        return kFailed;
    }
    std::printf("%lu,%lu,%lu\n", static_cast<unsigned long>(flags[0]), static_cast<unsigned long>(flags[1]),
                static_cast<unsigned long>(flags[2]));
    return kOk;
}

class Driver {
public:
    int Run(const DriverCommand& command);

private:
    int Fail(const DriverCommand& command, const std::string& message) {
        std::fprintf(stderr, "uidriver: %s: %s\n", command.name.c_str(), message.c_str());
        return kFailed;
    }
    bool FindTarget(const DriverCommand& command, HWND& top, HWND& control, std::string& error);
    bool ProcessIds(const DriverCommand& command, std::vector<DWORD>& pids, std::string& error);
    int RunOnWindow(const DriverCommand& command);
    int RunOnProcess(const DriverCommand& command);
    int RunOnMenu(const DriverCommand& command);

    WindowQuery window_;
    bool haveWindow_ = false;
};

bool Driver::FindTarget(const DriverCommand& command, HWND& top, HWND& control, std::string& error) {
    const DWORD timeout = static_cast<DWORD>(Number(command, "timeout", 10000));
    top = WaitTopWindow(window_, timeout);
    if (!top) {
        error = "no such window";
        return false;
    }
    control = nullptr;
    const ControlQuery controlQuery = ControlFrom(command);
    if (controlQuery.Empty()) return true;
    control = WaitControl(top, controlQuery, timeout);
    if (!control) {
        error = controlQuery.byId ? "no control with id " + std::to_string(controlQuery.id)
                                  : "no control with text \"" + controlQuery.text + "\"";
        return false;
    }
    return true;
}

bool Driver::ProcessIds(const DriverCommand& command, std::vector<DWORD>& pids, std::string& error) {
    if (command.Has("pid")) {
        pids.push_back(static_cast<DWORD>(Number(command, "pid", 0)));
    } else if (command.Has("exe")) {
        pids = ProcessIdsByExe(command.Get("exe"));
        if (pids.empty()) error = "no process " + command.Get("exe");
    } else {
        error = "give --pid or --exe";
    }
    return !pids.empty();
}

int Driver::RunOnProcess(const DriverCommand& command) {
    std::vector<DWORD> pids;
    std::string error;
    if (!ProcessIds(command, pids, error)) {
        if (command.Has("pid") || command.Has("exe")) return Fail(command, error);
        std::fprintf(stderr, "uidriver: %s: %s\n", command.name.c_str(), error.c_str());
        return kUsage;
    }
    if (command.name == "kill") {
        for (DWORD pid : pids)
            if (!KillProcess(pid, static_cast<UINT>(Number(command, "code", 1)), error)) return Fail(command, error);
        return kOk;
    }
    DWORD exitCode = 0;
    if (!WaitProcessExit(pids.front(), static_cast<DWORD>(Number(command, "timeout", 10000)), exitCode, error))
        return Fail(command, error);
    std::printf("%lu\n", static_cast<unsigned long>(exitCode));
    return kOk;
}

// Pop-up menus are top-level windows of their own; the chosen window, when
// there is one, only says whose menu it must be.
int Driver::RunOnMenu(const DriverCommand& command) {
    std::vector<std::string> path;
    if (!SplitMenuPath(command.arguments[0], path)) {
        std::fprintf(stderr, "uidriver: menu: bad menu path \"%s\"\n", command.arguments[0].c_str());
        return kUsage;
    }
    if (HasWindowSelector(command)) {
        window_ = QueryFrom(command);
        haveWindow_ = true;
    }
    const DWORD timeout = static_cast<DWORD>(Number(command, "timeout", 10000));
    DWORD pid = 0;
    HWND top = nullptr;
    if (haveWindow_) {
        window_.includeHidden = command.Has("hidden");
        top = WaitTopWindow(window_, timeout);
        if (!top) return Fail(command, "no such window");
        GetWindowThreadProcessId(top, &pid);
    }
    std::string error;
    if (!SelectPopupMenuItem(path, pid, timeout, error)) return Fail(command, error);
    if (top) WaitUntilIdle(top);
    return kOk;
}

int Driver::RunOnWindow(const DriverCommand& command) {
    if (HasWindowSelector(command)) {
        window_ = QueryFrom(command);
        haveWindow_ = true;
    }
    if (!haveWindow_) {
        std::fprintf(stderr, "uidriver: %s: no window chosen (--pid, --exe, --title, --class or --hwnd)\n",
                     command.name.c_str());
        return kUsage;
    }
    window_.includeHidden = command.Has("hidden");
    HWND top = nullptr;
    HWND control = nullptr;
    std::string error;
    if (!FindTarget(command, top, control, error)) return Fail(command, error);
    HWND subject = control ? control : top;

    if (command.name == "wait-window") {
        std::printf("%s\n", HandleText(top).c_str());
    } else if (command.name == "list") {
        PrintWindowTree(top);
    } else if (command.name == "get-text") {
        std::printf("%s\n", WindowText(subject).c_str());
    } else if (command.name == "get-check") {
        std::printf("%ld\n", static_cast<long>(SendMessageA(subject, BM_GETCHECK, 0, 0)));
    } else if (command.name == "items") {
        std::vector<ControlItem> items;
        if (!ReadControlItems(subject, items, error)) return Fail(command, error);
        for (size_t i = 0; i < items.size(); ++i) {
            const RECT& r = items[i].rect;
            std::printf("%d\t%ld,%ld,%ld,%ld\t%d\t\"%s\"\n", static_cast<int>(i), r.left, r.top, r.right, r.bottom,
                        items[i].selected ? 1 : 0, items[i].caption.c_str());
        }
    } else if (command.name == "close") {
        if (!CloseTopWindow(top)) return Fail(command, "the window took no WM_CLOSE");
    } else if (command.name == "end-session") {
        std::printf("%d\n", EndSession(top) ? 1 : 0);
    } else if (command.name == "click") {
        if (!control) return Fail(command, "give --text or --id");
        ClickOptions options;
        options.post = command.Has("post");
        options.force = command.Has("force");
        options.right = command.Has("right");
        long long x = 0, y = 0;
        if (command.Has("at") && ParsePoint(command.Get("at"), x, y)) {
            options.at = true;
            options.x = static_cast<int>(x);
            options.y = static_cast<int>(y);
        }
        if (!ClickControl(top, control, options, error)) return Fail(command, error);
    } else if (command.name == "type") {
        if (!TypeText(top, control, command.arguments[0], command.Has("clear"), command.Has("input"), error))
            return Fail(command, error);
    } else if (command.name == "key") {
        KeyChord chord;
        if (!ParseKeyChord(command.arguments[0], chord)) {
            std::fprintf(stderr, "uidriver: key: unknown key %s\n", command.arguments[0].c_str());
            return kUsage;
        }
        if (!PressKey(top, control, chord, command.Has("post"), error)) return Fail(command, error);
    }
    std::fflush(stdout);
    return kOk;
}

int Driver::Run(const DriverCommand& command) {
    if (command.name == "windows") {
        PrintTopWindows(command.Has("hidden"));
        return kOk;
    }
    if (command.name == "sleep") {
        long long ms = 0;
        if (!ParseNumber(command.arguments[0], ms) || ms < 0) return kUsage;
        Sleep(static_cast<DWORD>(ms));
        return kOk;
    }
    if (command.name == "move-mouse") {
        long long x = 0, y = 0;
        if (!ParseNumber(command.arguments[0], x) || !ParseNumber(command.arguments[1], y)) return kUsage;
        return MoveMouse(static_cast<int>(x), static_cast<int>(y)) ? kOk : Fail(command, "cannot move the mouse");
    }
    if (command.name == "access-flags") return AccessFlags(command);
    if (command.name == "wait-exit" || command.name == "kill") return RunOnProcess(command);
    if (command.name == "menu") return RunOnMenu(command);
    return RunOnWindow(command);
}

}  // namespace

int main(int argc, char** argv) {
    // Unix pipes read our output: no CR before each LF.
    _setmode(_fileno(stdout), _O_BINARY);
    const DriverCommandLine line = ParseDriverCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!line.error.empty()) {
        std::fprintf(stderr, "uidriver: %s\n%s", line.error.c_str(), DriverUsage());
        return kUsage;
    }
    Driver driver;
    for (const DriverCommand& command : line.commands) {
        const int result = driver.Run(command);
        std::fflush(stdout);
        if (result != kOk) return result;
    }
    return kOk;
}
