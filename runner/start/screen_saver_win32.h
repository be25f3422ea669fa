// The screen saver's exit on mouse movement, read from the system cursor.
#pragma once

#include "runner/start/screen_saver.h"

class ScreenSaverExit {
public:
    // Called on every timer tick and key-down of the declaration window:
    // true when the window should close because the mouse moved (in
    // screen-saver mode, or when the document fills the screen).
    bool ShouldEnd(bool screenSaverMode, const SettingsStore& settings);

private:
    ScreenSaverMoveTest test_;
};
