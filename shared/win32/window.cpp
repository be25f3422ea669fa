#include "shared/win32/window.h"

namespace {

// Marks the windows whose user data is one of our objects, so FromHwnd on any
// other window (a system control, another program's) answers null.
const char kObjectProperty[] = "TsrWindowObject";

}  // namespace

Window::~Window() {
    if (!hwnd_) return;
    HWND window = hwnd_;
    RemovePropA(window, kObjectProperty);
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
    DestroyWindow(window);
}

bool Window::RegisterClassOnce(const ClassInfo& info) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA existing = {};
    existing.cbSize = sizeof(existing);
    if (GetClassInfoExA(instance, info.Name, &existing)) return true;
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = info.Style;
    windowClass.lpfnWndProc = &Window::Procedure;
    windowClass.cbWndExtra = info.ExtraBytes;
    windowClass.hInstance = instance;
    windowClass.hIcon = info.Icon;
    windowClass.hCursor = info.Cursor ? info.Cursor : LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    windowClass.hbrBackground = info.Background;
    windowClass.lpszClassName = info.Name;
    return RegisterClassExA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND Window::Create(const char* className, const char* text, DWORD style, DWORD exStyle, int x, int y, int width,
                    int height, HWND parent, int childId) {
    HMENU menu = (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(childId)) : nullptr;
    return CreateWindowExA(exStyle, className, text, style, x, y, width, height, parent, menu,
                           GetModuleHandleA(nullptr), this);
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultHandling(message, wParam, lParam);
}

Window* Window::Attached(HWND window) {
    if (!window || !GetPropA(window, kObjectProperty)) return nullptr;
    return reinterpret_cast<Window*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        if (self) {
            self->hwnd_ = window;
            SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
            SetPropA(window, kObjectProperty, reinterpret_cast<HANDLE>(1));
        }
    }
    Window* self = Attached(window);
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        const LRESULT result = self->HandleMessage(message, wParam, lParam);
        RemovePropA(window, kObjectProperty);
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        self->OnWindowGone();
        return result;
    }
    return self->HandleMessage(message, wParam, lParam);
}
