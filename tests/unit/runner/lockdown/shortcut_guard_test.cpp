#include "runner/lockdown/shortcut_guard.h"

#include <gtest/gtest.h>

#include "shared/file_routines.h"
#include "support/temp_folder.h"

namespace {

// The session's flags in memory; a write can be made to fail, or to be the
// last thing that happens before a crash.
class FakeAccessibility : public AccessibilitySystem {
public:
    explicit FakeAccessibility(AccessibilityFlags flags) : Flags(flags) {}
    bool Read(AccessibilityFlags* flags) override {
        if (ReadFails) return false;
        *flags = Flags;
        return true;
    }
    bool Write(AccessFeature feature, std::uint32_t value) override {
        if (WritesLeft == 0) return false;
        --WritesLeft;
        ++Writes;
        (feature == AccessFeature::StickyKeys   ? Flags.StickyKeys
         : feature == AccessFeature::FilterKeys ? Flags.FilterKeys
                                                : Flags.ToggleKeys) = value;
        return true;
    }
    AccessibilityFlags Flags;
    bool ReadFails = false;
    int WritesLeft = 99;
    int Writes = 0;
};

// Sticky Keys on with its shortcut, Filter Keys' shortcut with confirmation,
// Toggle Keys' shortcut: every feature has something to switch off.
const AccessibilityFlags kUser{0x1 | 0x4, 0x4 | 0x8, 0x4};

}  // namespace

TEST(ShortcutGuard, QuietThenRestoreGivesBackTheUsersFlags) {
    TempFolder temp;
    const std::string saved = SavedShortcutsPath(temp.Path());
    FakeAccessibility system(kUser);
    ASSERT_TRUE(QuietShortcuts(system, saved));
    EXPECT_EQ(system.Flags, WithoutShortcuts(kUser));
    EXPECT_EQ(temp.Read("Tessarin/SavedShortcuts.txt"), FlagsText(kUser));
    // A second lock (the next start while a file is left) keeps the user's flags.
    ASSERT_TRUE(QuietShortcuts(system, saved));
    EXPECT_EQ(temp.Read("Tessarin/SavedShortcuts.txt"), FlagsText(kUser));
    ASSERT_TRUE(RestoreShortcuts(system, saved));
    EXPECT_EQ(system.Flags, kUser);
    EXPECT_FALSE(FileExists(saved));
}

TEST(ShortcutGuard, NothingChangesWithoutAWayBack) {
    struct Case {
        const char* What;
        bool ReadFails;
        bool NoFolder;
    };
    for (const Case& c : {Case{"flags unreadable", true, false}, Case{"no local app data", false, true}}) {
        TempFolder temp;
        FakeAccessibility system(kUser);
        system.ReadFails = c.ReadFails;
        EXPECT_FALSE(QuietShortcuts(system, c.NoFolder ? std::string() : SavedShortcutsPath(temp.Path()))) << c.What;
        EXPECT_EQ(system.Writes, 0) << c.What;
        EXPECT_TRUE(temp.FileNames().empty()) << c.What;
    }
}

// A run that ended part-way (after 0 to 3 of its writes) leaves the file;
// the restore writes back exactly what was changed.
TEST(ShortcutGuard, RestoreAfterACrashPartWay) {
    for (int done = 0; done <= 3; ++done) {
        TempFolder temp;
        const std::string saved = SavedShortcutsPath(temp.Path());
        FakeAccessibility system(kUser);
        system.WritesLeft = done;
        QuietShortcuts(system, saved);
        system.WritesLeft = 99;
        system.Writes = 0;
        ASSERT_TRUE(RestoreShortcuts(system, saved)) << done;
        EXPECT_EQ(system.Flags, kUser) << done;
        EXPECT_EQ(system.Writes, done) << done;
        EXPECT_FALSE(FileExists(saved)) << done;
    }
}

TEST(ShortcutGuard, RestoreOfMissingBadOrStuckFiles) {
    struct Case {
        const char* What;
        const char* Saved;  // null: no file
        bool WriteFails;
        bool Result;
        bool FileLeft;
        AccessibilityFlags After;
    };
    const AccessibilityFlags quiet = WithoutShortcuts(kUser);
    const Case cases[] = {
        {"no file: nothing to do", nullptr, false, true, false, quiet},
        {"garbage is dropped", "not flags", false, true, false, quiet},
        {"written with a line end", "5,12,4\r\n", false, true, false, kUser},
        {"a refused write keeps the file", "5,12,4", true, false, true, quiet},
    };
    for (const Case& c : cases) {
        TempFolder temp;
        temp.MakeFolder("Tessarin");
        if (c.Saved) temp.Write("Tessarin/SavedShortcuts.txt", c.Saved);
        FakeAccessibility system(quiet);
        if (c.WriteFails) system.WritesLeft = 0;
        EXPECT_EQ(RestoreShortcuts(system, SavedShortcutsPath(temp.Path())), c.Result) << c.What;
        EXPECT_EQ(FileExists(SavedShortcutsPath(temp.Path())), c.FileLeft) << c.What;
        EXPECT_EQ(system.Flags, c.After) << c.What;
    }
}
