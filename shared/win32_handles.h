// Small owners for Win32 handles, so every path out of a routine closes them.
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
    bool Reset(Handle handle = Traits::Invalid()) {
        bool ok = true;
        if (handle_ != Traits::Invalid()) ok = Traits::Close(handle_);
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

using FileHandle = UniqueWin32<FileHandleTraits>;
using FindHandle = UniqueWin32<FindHandleTraits>;
using LibraryHandle = UniqueWin32<LibraryHandleTraits>;
using RegKeyHandle = UniqueWin32<RegKeyTraits>;

#endif
