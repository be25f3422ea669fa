#include "shared/win32/window_helpers.h"

#include "shared/win32/handles.h"

namespace {

int ScreenDpi(int index) {
    WindowDC screen(nullptr);
    const int dpi = screen.Get() ? GetDeviceCaps(screen.Get(), index) : 0;
    return dpi > 0 ? dpi : 96;
}

}  // namespace

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    if (length <= 0) return std::string();
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int got = GetWindowTextA(window, &text[0], length + 1);
    text.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return text;
}

HWND CreateChildControl(HWND parent, const char* className, const std::string& text, DWORD style, int id,
                        DWORD exStyle) {
    return CreateWindowExA(exStyle, className, text.c_str(), WS_CHILD | WS_CLIPSIBLINGS | style, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE)), nullptr);
}

void SetControlFont(HWND control, HFONT font, bool redraw) {
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw ? TRUE : FALSE);
}

HFONT CreatePointFont(HWND window, int points, bool bold, const char* face) {
    int height = 0;
    {
        WindowDC dc(window);
        height = -MulDiv(points, dc.Get() ? GetDeviceCaps(dc.Get(), LOGPIXELSY) : 96, 72);
    }
    return CreateFontA(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS, face);
}

SIZE TextSize(HWND window, HFONT font, const std::string& text) {
    SIZE size = {0, 0};
    WindowDC dc(window);
    if (!dc.Get()) return size;
    SelectedObject selected(dc.Get(), font);
    GetTextExtentPoint32A(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

int ScreenDpiX() { return ScreenDpi(LOGPIXELSX); }
int ScreenDpiY() { return ScreenDpi(LOGPIXELSY); }

int Scale96(int value) { return MulDiv(value, ScreenDpiY(), 96); }
