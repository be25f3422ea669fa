#include "runner/start/screen_saver_win32.h"

#include <windows.h>

#include "shared/win32/window_helpers.h"

namespace {

// The screen's resolution in dots per inch, across and down.
void ScreenDotsPerInch(int* across, int* down) {
    *across = ScreenDpiX();
    *down = ScreenDpiY();
}

}  // namespace

bool ScreenSaverExit::ShouldEnd(bool screenSaverMode, const SettingsStore& settings) {
    if (!EndsOnMouseMove(screenSaverMode, settings)) return false;
    POINT cursor;
    if (!GetCursorPos(&cursor)) return false;  // no input desktop: try at the next tick
    int across = 96, down = 96;
    ScreenDotsPerInch(&across, &down);
    return test_.Moved(PixelsToTwips(cursor.x, across), PixelsToTwips(cursor.y, down));
}
