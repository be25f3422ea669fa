#include "runner/start/screen_saver.h"

#include <gtest/gtest.h>

#include "runner/start/run_control.h"
#include "support/fake_calendar.h"
#include "support/memory_registry.h"

namespace {

const char kDesktop[] = "Control Panel\\Desktop";
const char kExe[] = "C:\\Tsr\\Tessarin.exe";

class ScreenSaverTest : public ::testing::Test {
protected:
    std::string Value(const char* name) { return RegQueryString(registry, kHkeyCurrentUser, kDesktop, name); }

    void SetCurrent(const std::string& saver, const std::string& timeout) {
        SetScreenSaverValues(registry, saver, 0, 1);
        RegSetString(registry, kHkeyCurrentUser, kDesktop, "ScreenSaveTimeOut", timeout);
    }

    MemoryRegistry registry;
};

SettingsStore StoreOf(const std::string& text) {
    SettingsStore store;
    LoadSettingsText(text, store);
    return store;
}

}  // namespace

TEST_F(ScreenSaverTest, RegistersWithAtLeastTheMinimumIdleTime) {
    RegisterScreenSaver(registry, false, "30", kExe);
    EXPECT_EQ(kExe, Value("SCRNSAVE.EXE"));
    EXPECT_EQ("100", Value("ScreenSaveTimeOut"));
    EXPECT_EQ("1", Value("ScreenSaveActive"));
    EXPECT_EQ("1", Value("ScreenSaveWithLock"));

    RegisterScreenSaver(registry, false, "600", kExe);
    EXPECT_EQ("600", Value("ScreenSaveTimeOut"));
    EXPECT_EQ("1", Value("ScreenSaveWithLock"));
}

TEST_F(ScreenSaverTest, IdleTimeRoundsHalfToEven) {
    EXPECT_EQ(100, ScreenSaverSeconds("1"));
    EXPECT_EQ(100, ScreenSaverSeconds("99.5"));
    EXPECT_EQ(100, ScreenSaverSeconds("100.5"));
    EXPECT_EQ(102, ScreenSaverSeconds("101.5"));
    EXPECT_EQ(101, ScreenSaverSeconds(" 100.51 "));
    EXPECT_EQ(0, ScreenSaverSeconds("0.5"));  // rounds to 0: no screen saver
    EXPECT_EQ(100, ScreenSaverSeconds("1.5"));
    EXPECT_EQ(0, ScreenSaverSeconds("-30"));
    EXPECT_EQ(0, ScreenSaverSeconds("ten"));
    EXPECT_EQ(0, ScreenSaverSeconds(""));
    EXPECT_EQ(2147483647, ScreenSaverSeconds("1e300"));  // capped, not wrapped round
}

TEST_F(ScreenSaverTest, UnregistersOnlyWhenThisProgramIsTheScreenSaver) {
    for (const char* ours : {kExe, "C:\\OTHER\\TESSARIN.SCR", "c:\\tsr\\tessarin.exe"}) {
        SetCurrent(ours, "600");
        RegisterScreenSaver(registry, false, "0", kExe);  // the item of a missing key
        EXPECT_EQ("", Value("SCRNSAVE.EXE")) << ours;
        EXPECT_EQ("0", Value("ScreenSaveTimeOut"));
        EXPECT_EQ("1", Value("ScreenSaveActive"));
        EXPECT_EQ("0", Value("ScreenSaveWithLock"));
    }
    for (const char* item : {"0", "-5", "abc", "0.5"}) {
        SetCurrent("C:\\Windows\\system32\\Mystify.scr", "600");
        RegisterScreenSaver(registry, false, item, kExe);
        EXPECT_EQ("C:\\Windows\\system32\\Mystify.scr", Value("SCRNSAVE.EXE")) << item;
        EXPECT_EQ("600", Value("ScreenSaveTimeOut")) << item;
        EXPECT_EQ("1", Value("ScreenSaveWithLock")) << item;
    }
}

TEST_F(ScreenSaverTest, NothingIsWrittenWithoutAScreenSaverOrInScreenSaverMode) {
    RegisterScreenSaver(registry, false, "0", kExe);
    EXPECT_FALSE(registry.KeyExists(kHkeyCurrentUser, kDesktop));
    RegisterScreenSaver(registry, true, "600", kExe);
    EXPECT_FALSE(registry.KeyExists(kHkeyCurrentUser, kDesktop));
    SetCurrent(kExe, "300");
    RegisterScreenSaver(registry, true, "0", kExe);
    EXPECT_EQ(kExe, Value("SCRNSAVE.EXE"));
    EXPECT_EQ(0u, registry.OpenKeyCount());
}

TEST_F(ScreenSaverTest, FollowsTheStartsSettingsAndCommandLine) {
    FakeCalendar calendar(CivilDate{2026, 12, 7});
    const auto user = [] { return std::string("alice"); };
    // Configure ("/c"), preview ("/p <hwnd>") and "/S" are normal starts.
    for (const char* line : {"", "/S", "/c", "/c:1234", "/p 65792"}) {
        MemoryRegistry fresh;
        RunControl run(line, "C:\\Tsr", calendar, user);
        LoadSettingsText("Screen Saver=30,seconds idle\r\n", run.Settings);
        RegisterScreenSaver(fresh, run, kExe);
        EXPECT_EQ("100", RegQueryString(fresh, kHkeyCurrentUser, kDesktop, "ScreenSaveTimeOut")) << line;
    }
    MemoryRegistry fresh;
    RunControl saver("/s", "C:\\Tsr", calendar, user);
    LoadSettingsText("Screen Saver=30\r\n", saver.Settings);
    RegisterScreenSaver(fresh, saver, kExe);
    EXPECT_FALSE(fresh.KeyExists(kHkeyCurrentUser, kDesktop));
}

TEST(ScreenSaverDocument, FullScreenWhenAMarginIsExactlyMinusOne) {
    EXPECT_TRUE(IsFullScreenDocument(StoreOf("Doc Width Margin=-1\r\n")));
    EXPECT_TRUE(IsFullScreenDocument(StoreOf("Doc Height Margin=-1,fill the screen\r\n")));
    EXPECT_TRUE(IsFullScreenDocument(StoreOf("Doc Width Margin=5\r\nDoc Height Margin= -1\r\n")));
    EXPECT_FALSE(IsFullScreenDocument(StoreOf("")));
    EXPECT_FALSE(IsFullScreenDocument(StoreOf("Doc Width Margin=-2\r\nDoc Height Margin=-1.5\r\n")));
    EXPECT_FALSE(IsFullScreenDocument(StoreOf("Doc Width Margin=minus one\r\n")));
    EXPECT_TRUE(EndsOnMouseMove(true, StoreOf("")));
    EXPECT_TRUE(EndsOnMouseMove(false, StoreOf("Doc Width Margin=-1\r\n")));
    EXPECT_FALSE(EndsOnMouseMove(false, StoreOf("Doc Width Margin=10\r\n")));
}

TEST(ScreenSaverMove, FirstPositionIsOnlyStoredThenElevenTwipsEnd) {
    ScreenSaverMoveTest test;
    EXPECT_FALSE(test.Moved(3000, 2000));
    EXPECT_FALSE(test.Moved(3010, 2010));  // less than 11 both ways: stored
    EXPECT_EQ(3010, test.LastX());
    EXPECT_TRUE(test.Moved(3010, 2021));  // 11 down
    ScreenSaverMoveTest left;
    left.Moved(3000, 2000);
    EXPECT_TRUE(left.Moved(2989, 2000));  // 11 left
    EXPECT_EQ(3000, left.LastX());        // ending does not move the stored point
}

TEST(ScreenSaverMove, CursorAtAnEdgeIsNotTrustedUntilItLeaves) {
    ScreenSaverMoveTest test;
    EXPECT_FALSE(test.Moved(0, 4000));     // resting at the left edge
    EXPECT_FALSE(test.Moved(1500, 4000));  // far, but the stored x is 0
    EXPECT_TRUE(test.Moved(1515, 4000));
    ScreenSaverMoveTest top;
    EXPECT_FALSE(top.Moved(4000, 0));
    EXPECT_FALSE(top.Moved(4000, 0));
    EXPECT_FALSE(top.Moved(4000, 300));
    EXPECT_TRUE(top.Moved(4000, 315));
}

TEST(ScreenSaverMove, PixelsToTwips) {
    EXPECT_EQ(15, PixelsToTwips(1, 96));  // one pixel is enough at the standard size
    EXPECT_EQ(12, PixelsToTwips(1, 120));
    EXPECT_EQ(19200, PixelsToTwips(1280, 96));
    EXPECT_EQ(15, PixelsToTwips(1, 0));     // an unknown resolution counts as standard
    EXPECT_EQ(-15, PixelsToTwips(-1, 96));  // left of the primary screen
}
