#include "runner/declaration_window_win32.h"

#include "runner/run_control.h"
#include "shared/settings_store.h"
#include "shared/text_routines.h"

namespace {

const char kClassName[] = "TessarinDeclaration";

struct DeclarationState {
    RunControl* Run = nullptr;
    HBRUSH Background = nullptr;
};

COLORREF BackgroundColour(const SettingsStore& settings) {
    std::string item = ToLower(Trim(GetSettingItem("Border Background Colour", settings)));
    if (item == "0") item = "red";
    static const struct { const char* Name; COLORREF Colour; } kNamed[] = {
        {"red", RGB(255, 0, 0)},     {"black", RGB(0, 0, 0)},      {"green", RGB(0, 255, 0)},
        {"yellow", RGB(255, 255, 0)}, {"blue", RGB(0, 0, 255)},     {"magenta", RGB(255, 0, 255)},
        {"cyan", RGB(0, 255, 255)},  {"white", RGB(255, 255, 255)},
    };
    for (const auto& named : kNamed) {
        if (item == named.Name) return named.Colour;
    }
    double value = 0;
    return ReadsAsNumber(item, &value) ? static_cast<COLORREF>(static_cast<long long>(value)) : 0;
}

std::string WindowCaption(const SettingsStore& settings) {
    const std::string item = GetSettingItem("Declaration Caption", settings);
    return item == "0" ? std::string() : item;
}

DeclarationState* StateOf(HWND window) {
    return reinterpret_cast<DeclarationState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

LRESULT OnCreate(HWND window, LPARAM lParam) {
    auto* state = static_cast<DeclarationState*>(
        reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
    state->Background = CreateSolidBrush(BackgroundColour(state->Run->Settings));
    SetWindowTextA(window, WindowCaption(state->Run->Settings).c_str());
    return 0;
}

LRESULT OnEraseBackground(HWND window, HDC dc) {
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, StateOf(window)->Background);
    return 1;
}

void OnDestroy(HWND window) {
    DeclarationState* state = StateOf(window);
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    if (state) {
        DeleteObject(state->Background);
        delete state;
    }
    PostQuitMessage(0);
}

LRESULT CALLBACK DeclarationProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate(window, lParam);
    case WM_ERASEBKGND:
        if (StateOf(window)) return OnEraseBackground(window, reinterpret_cast<HDC>(wParam));
        break;
    case WM_DESTROY:
        OnDestroy(window);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterDeclarationClass(HINSTANCE instance) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = DeclarationProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    windowClass.lpszClassName = kClassName;
    return RegisterClassExA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

HWND CreateDeclarationWindow(HINSTANCE instance, RunControl& run) {
    if (!RegisterDeclarationClass(instance)) return nullptr;
    auto* state = new DeclarationState;
    state->Run = &run;
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    HWND window = CreateWindowExA(WS_EX_TOPMOST | WS_EX_APPWINDOW, kClassName, "Tessarin",
                                  WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX |
                                      WS_MAXIMIZEBOX | WS_CLIPCHILDREN,
                                  0, 0, width, height, nullptr, nullptr, instance, state);
    if (!window) {
        delete state;
        return nullptr;
    }
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    return window;
}
