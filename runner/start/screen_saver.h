// The declaration program as the Windows screen saver: registering it for
// the current user, and the mouse-movement test that ends a screen-saver run.
#pragma once

#include <string>

#include "shared/registry.h"
#include "shared/settings_store.h"

class RunControl;

extern const char kDesktopKeyPath[];  // "Control Panel\Desktop" under the current user

// The shortest idle time the program registers itself with, in seconds.
constexpr long kMinimumScreenSaverSeconds = 100;
// Movement, in twips, that ends the screen saver.
constexpr long kScreenSaverMoveTwips = 11;

// Writes "SCRNSAVE.EXE", "ScreenSaveTimeOut", "ScreenSaveActive" (always
// "1") and "ScreenSaveWithLock".
void SetScreenSaverValues(Registry& registry, const std::string& exePath, long idleSeconds, long withLock);

// The idle time a "Screen Saver" item asks for: the item rounded half to
// even, at least the minimum; 0 when the item is not a number above 0.
long ScreenSaverSeconds(const std::string& screenSaverItem);

// Registers the program (with its idle time) when the item asks for one;
// otherwise unregisters it, but only when the current screen saver is this
// program. Nothing in screen-saver mode.
void RegisterScreenSaver(Registry& registry, bool screenSaverMode, const std::string& screenSaverItem,
                         const std::string& appExePath);
// The same from the program's run state ("Screen Saver" of its settings).
void RegisterScreenSaver(Registry& registry, const RunControl& run, const std::string& appExePath);

// The item of "Doc Width Margin" or of "Doc Height Margin" is exactly -1.
bool IsFullScreenDocument(const SettingsStore& settings);

// Whether mouse movement ends the program at all: in screen-saver mode, or
// when the document fills the screen.
bool EndsOnMouseMove(bool screenSaverMode, const SettingsStore& settings);

// Screen pixels to twips at the given dots per inch, rounded.
long PixelsToTwips(long pixels, int dotsPerInch);

// The movement test: the first position is only stored; a later one that
// differs from the stored one by 11 twips or more in x or y ends the screen
// saver, unless a stored coordinate is 0 (a cursor resting at the left or
// top edge is not trusted until it has left the edge).
class ScreenSaverMoveTest {
public:
    // True when the screen saver should end; otherwise the position is kept.
    bool Moved(long xTwips, long yTwips);
    long LastX() const { return lastX_; }
    long LastY() const { return lastY_; }

private:
    long lastX_ = 0;
    long lastY_ = 0;
};
