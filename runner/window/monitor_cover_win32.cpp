#include "runner/window/monitor_cover_win32.h"

#include "shared/win32/handles.h"

namespace {

const char kClassName[] = "TessarinCover";

BOOL CALLBACK AddMonitor(HMONITOR, HDC, LPRECT area, LPARAM list) {
    reinterpret_cast<std::vector<ScreenRect>*>(list)->push_back({area->left, area->top, area->right, area->bottom});
    return TRUE;
}

}  // namespace

bool CoverWindow::Open(const ScreenRect& area, COLORREF colour) {
    colour_ = colour;
    ClassInfo info;
    info.Name = kClassName;
    if (!RegisterClassOnce(info)) return false;
    // A tool window: no taskbar button, nothing to switch to.
    if (!Create(kClassName, "", WS_POPUP, WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, area.Left, area.Top,
                area.Right - area.Left, area.Bottom - area.Top, nullptr))
        return false;
    ShowWindow(Hwnd(), SW_SHOWNA);
    return true;
}

LRESULT CoverWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(Hwnd(), &client);
        GdiObject<HBRUSH> brush(CreateSolidBrush(colour_));
        FillRect(reinterpret_cast<HDC>(wParam), &client, brush.Get());
        return 1;
    }
    // A click there leaves the focus with the declaration.
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    // Only the declaration's end closes it.
    case WM_CLOSE: return 0;
    }
    return DefaultHandling(message, wParam, lParam);
}

std::vector<std::unique_ptr<CoverWindow>> CoverOtherMonitors(COLORREF colour) {
    std::vector<ScreenRect> monitors;
    EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&monitors));
    const ScreenRect primary{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    std::vector<std::unique_ptr<CoverWindow>> covers;
    for (const ScreenRect& area : CoverRects(monitors, primary)) {
        auto cover = std::make_unique<CoverWindow>();
        if (cover->Open(area, colour)) covers.push_back(std::move(cover));
    }
    return covers;
}
