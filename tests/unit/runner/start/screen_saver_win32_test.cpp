// The screen saver's exit against the real cursor (run under Wine).
#include "runner/start/screen_saver_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

SettingsStore StoreOf(const std::string& text) {
    SettingsStore store;
    LoadSettingsText(text, store);
    return store;
}

// Moves the cursor and reads it back; false where the system cannot move it.
bool PutCursor(int x, int y) {
    POINT at;
    return SetCursorPos(x, y) && GetCursorPos(&at) && at.x == x && at.y == y;
}

}  // namespace

TEST(ScreenSaverExitWin32, OnePixelOfMovementEndsTheScreenSaver) {
    if (!PutCursor(200, 150)) GTEST_SKIP() << "the cursor cannot be moved here";
    const SettingsStore settings = StoreOf("");
    ScreenSaverExit exit;
    EXPECT_FALSE(exit.ShouldEnd(true, settings));  // the first tick only stores
    EXPECT_FALSE(exit.ShouldEnd(true, settings));  // no movement
    ASSERT_TRUE(PutCursor(201, 150));
    EXPECT_TRUE(exit.ShouldEnd(true, settings));
}

TEST(ScreenSaverExitWin32, OutsideScreenSaverModeOnlyForAFullScreenDocument) {
    if (!PutCursor(300, 300)) GTEST_SKIP() << "the cursor cannot be moved here";
    ScreenSaverExit normal;
    const SettingsStore plain = StoreOf("Doc Width Margin=20\r\n");
    EXPECT_FALSE(normal.ShouldEnd(false, plain));
    ASSERT_TRUE(PutCursor(400, 400));
    EXPECT_FALSE(normal.ShouldEnd(false, plain));

    ScreenSaverExit full;
    const SettingsStore fullScreen = StoreOf("Doc Height Margin=-1\r\n");
    EXPECT_FALSE(full.ShouldEnd(false, fullScreen));
    ASSERT_TRUE(PutCursor(300, 300));
    EXPECT_TRUE(full.ShouldEnd(false, fullScreen));
}

TEST(ScreenSaverExitWin32, CursorAtTheLeftEdgeWaitsUntilItLeaves) {
    if (!PutCursor(0, 300)) GTEST_SKIP() << "the cursor cannot be moved here";
    const SettingsStore settings = StoreOf("");
    ScreenSaverExit exit;
    EXPECT_FALSE(exit.ShouldEnd(true, settings));
    ASSERT_TRUE(PutCursor(50, 300));
    EXPECT_FALSE(exit.ShouldEnd(true, settings));  // stored x was 0
    ASSERT_TRUE(PutCursor(60, 300));
    EXPECT_TRUE(exit.ShouldEnd(true, settings));
}
