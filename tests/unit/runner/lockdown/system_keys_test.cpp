#include "runner/lockdown/system_keys.h"

#include <gtest/gtest.h>

TEST(SystemKeys, SwitchAwayKeysAndOrdinaryOnes) {
    struct Case {
        KeyEvent Key;
        bool Swallowed;
    };
    const Case cases[] = {
        {{0x09, true, false, false, false}, true},    // Alt+Tab
        {{0x09, true, false, true, false}, true},     // Alt+Shift+Tab
        {{0x1B, true, false, false, false}, true},    // Alt+Esc
        {{0x1B, false, true, false, false}, true},    // Ctrl+Esc
        {{0x1B, false, true, true, false}, true},     // Ctrl+Shift+Esc
        {{0x5B, false, false, false, false}, true},   // left Windows key
        {{0x5C, false, false, false, false}, true},   // right Windows key
        {{0x44, false, false, false, true}, true},    // Win+D
        {{0x09, false, false, false, false}, false},  // Tab between controls
        {{0x1B, false, false, false, false}, false},  // Esc
        {{0x73, true, false, false, false}, false},   // Alt+F4: the window's own refusal
        {{0x41, false, true, false, false}, false},   // Ctrl+A
    };
    for (const Case& c : cases) EXPECT_EQ(IsSwitchAwayKey(c.Key), c.Swallowed) << std::hex << c.Key.VirtualKey;
}

TEST(SystemKeys, ShortcutsOffUserChoicesKeptAndRestorable) {
    // Sticky Keys on with its shortcut; Filter Keys off with shortcut and
    // confirmation; Toggle Keys untouched.
    const AccessibilityFlags user{0x1 | 0x4 | 0x20, 0x4 | 0x8 | 0x40, 0x2};
    const AccessibilityFlags held = WithoutShortcuts(user);
    EXPECT_EQ(held, (AccessibilityFlags{0x1 | 0x20, 0x40, 0x2}));
    AccessibilityFlags back;
    ASSERT_TRUE(ReadFlagsText(FlagsText(user), &back));
    EXPECT_EQ(back, user);
    for (const char* bad : {"", "1,2", "1,2,3,4", "a,b,c", "1,2,3x"}) EXPECT_FALSE(ReadFlagsText(bad, &back)) << bad;
}
