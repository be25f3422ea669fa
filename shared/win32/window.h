// The base of every window class of the programs: one static window procedure
// attaches the C++ object at WM_NCCREATE, hands it every message, and detaches
// it at WM_NCDESTROY. Classes are registered once per process.
//
// Nothing else registers a class, keeps an object in GWLP_USERDATA or asks for
// a DC by hand (handles.h owns DCs). The one exception is the benchmark's
// yardstick, tests/bench/trivial_window.cpp, which is a plain window program
// on purpose.
#pragma once

#include <windows.h>

class Window {
public:
    Window() = default;
    // Destroys the window when it is still there (the object is detached
    // first, so no message reaches a half-destroyed object).
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Hwnd() const { return hwnd_; }

    // The object behind a window of a class built on this base; null for
    // other windows and after WM_NCDESTROY.
    template <typename T>
    static T* FromHwnd(HWND window) {
        return dynamic_cast<T*>(Attached(window));
    }

protected:
    struct ClassInfo {
        const char* Name = nullptr;
        UINT Style = 0;
        HCURSOR Cursor = nullptr;     // null: the arrow
        HBRUSH Background = nullptr;  // null: the window paints it all
        HICON Icon = nullptr;
        int ExtraBytes = 0;
    };
    // Registers the class with this base's procedure, once per process;
    // true when it is registered.
    static bool RegisterClassOnce(const ClassInfo& info);

    // Creates a window of a registered class with this object attached.
    // A child gets its control id in place of a menu.
    HWND Create(const char* className, const char* text, DWORD style, DWORD exStyle, int x, int y, int width,
                int height, HWND parent, int childId = 0);

    // Messages of this window; the default leaves them to DefWindowProc.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcA(hwnd_, message, wParam, lParam);
    }
    // The window is gone (after WM_NCDESTROY); an object that owns itself may
    // delete itself here.
    virtual void OnWindowGone() {}

private:
    static Window* Attached(HWND window);
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};
