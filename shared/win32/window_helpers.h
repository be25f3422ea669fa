// Small helpers every window of the programs uses: text, child controls,
// fonts and measures.
#pragma once

#include <windows.h>

#include <string>

// The whole text of a window or control.
std::string WindowText(HWND window);

// A child control of a system class (BUTTON, STATIC, EDIT ...), not yet
// placed: WS_CHILD and WS_CLIPSIBLINGS are added to the style.
HWND CreateChildControl(HWND parent, const char* className, const std::string& text, DWORD style, int id,
                        DWORD exStyle = 0);

// Gives a control a font (it does not take ownership).
void SetControlFont(HWND control, HFONT font, bool redraw = false);

// A font of a size in points on the window's display; the caller owns it.
HFONT CreatePointFont(HWND window, int points, bool bold, const char* face);

// The size of a text in a font as drawn on a window.
SIZE TextSize(HWND window, HFONT font, const std::string& text);

// The screen's resolution in dots per inch (96 when it cannot be read).
int ScreenDpiX();
int ScreenDpiY();

// A length designed at 96 DPI, on this screen.
int Scale96(int value);

// The hourglass while a long piece of work runs on the window's thread; the
// pointer as it was afterwards.
class WaitCursor {
public:
    WaitCursor() : old_(SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)))) {}
    ~WaitCursor() { SetCursor(old_); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    HCURSOR old_;
};
