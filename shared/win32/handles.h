// Small owners for Win32 handles, so every path out of a routine closes them:
// kernel objects, files, searches, libraries, registry keys, windows, GDI
// objects and device contexts, and an object selected into a DC for a scope.
#pragma once

#ifdef _WIN32
#include <windows.h>

template <typename Traits>
class UniqueWin32 {
public:
    using Handle = typename Traits::Handle;
    UniqueWin32() = default;
    explicit UniqueWin32(Handle handle) : handle_(handle) {}
    ~UniqueWin32() { Reset(); }
    UniqueWin32(const UniqueWin32&) = delete;
    UniqueWin32& operator=(const UniqueWin32&) = delete;
    UniqueWin32(UniqueWin32&& other) noexcept : handle_(other.Release()) {}
    UniqueWin32& operator=(UniqueWin32&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }

    Handle Get() const { return handle_; }
    bool Valid() const { return handle_ != Traits::Invalid(); }
    Handle Release() {
        Handle h = handle_;
        handle_ = Traits::Invalid();
        return h;
    }
    // Closes the handle now; true when there was none or the close worked.
    // The thread's last error stays as it was, so a caller that failed and
    // cleans up can still report why.
    bool Reset(Handle handle = Traits::Invalid()) {
        bool ok = true;
        if (handle_ != Traits::Invalid()) {
            const DWORD error = GetLastError();
            ok = Traits::Close(handle_);
            SetLastError(error);
        }
        handle_ = handle;
        return ok;
    }

private:
    Handle handle_ = Traits::Invalid();
};

struct FileHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static bool Close(Handle h) { return CloseHandle(h) != 0; }
};

// Processes, threads, events: null when there is none.
struct KernelHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return nullptr; }
    static bool Close(Handle h) { return CloseHandle(h) != 0; }
};

struct FindHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static bool Close(Handle h) { return FindClose(h) != 0; }
};

struct LibraryHandleTraits {
    using Handle = HMODULE;
    static Handle Invalid() { return nullptr; }
    static bool Close(Handle h) { return FreeLibrary(h) != 0; }
};

struct RegKeyTraits {
    using Handle = HKEY;
    static Handle Invalid() { return nullptr; }
    static bool Close(Handle h) { return RegCloseKey(h) == ERROR_SUCCESS; }
};

struct WindowTraits {
    using Handle = HWND;
    static Handle Invalid() { return nullptr; }
    static bool Close(Handle h) { return DestroyWindow(h) != 0; }
};

template <typename T>
struct GdiObjectTraits {
    using Handle = T;
    static Handle Invalid() { return nullptr; }
    static bool Close(Handle h) { return DeleteObject(h) != 0; }
};

struct MemoryDCTraits {
    using Handle = HDC;
    static Handle Invalid() { return nullptr; }
    static bool Close(Handle h) { return DeleteDC(h) != 0; }
};

using FileHandle = UniqueWin32<FileHandleTraits>;
using KernelHandle = UniqueWin32<KernelHandleTraits>;
using FindHandle = UniqueWin32<FindHandleTraits>;
using LibraryHandle = UniqueWin32<LibraryHandleTraits>;
using RegKeyHandle = UniqueWin32<RegKeyTraits>;
using WindowHandle = UniqueWin32<WindowTraits>;
// A font, brush, pen or bitmap: GdiObject<HFONT>.
template <typename T>
using GdiObject = UniqueWin32<GdiObjectTraits<T>>;

// A memory DC compatible with another (null: with the screen).
class MemoryDC : public UniqueWin32<MemoryDCTraits> {
public:
    MemoryDC() = default;
    explicit MemoryDC(HDC like) : UniqueWin32(CreateCompatibleDC(like)) {}
};

// A window's DC (null: the screen's), released at the end of the scope.
// With flags it comes from GetDCEx, for example to paint over the children.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    WindowDC(HWND window, DWORD flags) : window_(window), dc_(GetDCEx(window, nullptr, flags)) {}
    ~WindowDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint and EndPaint for one WM_PAINT.
class PaintDC {
public:
    explicit PaintDC(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintDC() { EndPaint(window_, &paint_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    HDC Get() const { return dc_; }
    const RECT& Area() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_ = {};
    HDC dc_;
};

// Keeps an object selected into a DC for a scope, then restores the old one.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() {
        if (previous_) SelectObject(dc_, previous_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

#endif
