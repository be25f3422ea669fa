#include "shared/win32/subclass.h"

namespace {
constexpr char kOriginalProc[] = "TsrOriginalProc";
}  // namespace

bool SubclassWindow(HWND hwnd, WNDPROC proc) {
    if (!hwnd || GetPropA(hwnd, kOriginalProc)) return false;
    const LONG_PTR original = GetWindowLongPtrA(hwnd, GWLP_WNDPROC);
    if (!original || !SetPropA(hwnd, kOriginalProc, reinterpret_cast<HANDLE>(original))) return false;
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
    return true;
}

LRESULT CallOriginalProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto original = reinterpret_cast<WNDPROC>(GetPropA(hwnd, kOriginalProc));
    if (!original) return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        RemovePropA(hwnd, kOriginalProc);
    }
    return CallWindowProcA(original, hwnd, message, wParam, lParam);
}
