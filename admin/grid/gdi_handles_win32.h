// Owners for the GDI objects, device contexts and windows the grid creates.
#pragma once

#include <windows.h>

#include "shared/win32_handles.h"

struct GdiObjectTraits {
    using Handle = HGDIOBJ;
    static Handle Invalid() { return nullptr; }
    static bool Close(Handle h) { return DeleteObject(h) != 0; }
};

struct MemoryDcTraits {
    using Handle = HDC;
    static Handle Invalid() { return nullptr; }
    static bool Close(Handle h) { return DeleteDC(h) != 0; }
};

struct WindowTraits {
    using Handle = HWND;
    static Handle Invalid() { return nullptr; }
    static bool Close(Handle h) { return DestroyWindow(h) != 0; }
};

using GdiObject = UniqueWin32<GdiObjectTraits>;
using MemoryDc = UniqueWin32<MemoryDcTraits>;
using WindowHandle = UniqueWin32<WindowTraits>;

// Selects an object into a device context for one scope.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ~SelectedObject() { SelectObject(dc_, old_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
private:
    HDC dc_;
    HGDIOBJ old_;
};

// A window's device context from GetDC, released at the end of the scope.
class WindowDc {
public:
    explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(GetDC(hwnd)) {}
    ~WindowDc() { if (dc_) ReleaseDC(hwnd_, dc_); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC Get() const { return dc_; }
private:
    HWND hwnd_;
    HDC dc_;
};
