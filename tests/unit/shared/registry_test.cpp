#include "shared/registry.h"

#include <gtest/gtest.h>

#include "support/memory_registry.h"

namespace {
const char kRun[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
}

TEST(Registry, StripSlashesRemovesOneAtEachEnd) {
    EXPECT_EQ("Software\\X", StripSlashes("\\Software\\X\\"));
    EXPECT_EQ("Software\\X", StripSlashes("Software\\X"));
    EXPECT_EQ("\\Software\\X\\", StripSlashes("\\\\Software\\X\\\\"));
    EXPECT_EQ("", StripSlashes("\\"));
    EXPECT_EQ("", StripSlashes(""));
}

TEST(Registry, SetCreatesWholePathAndGetReadsItBack) {
    MemoryRegistry registry;
    EXPECT_TRUE(RegSetString(registry, kHkeyCurrentUser, "Software\\A\\B\\C", "Name", "value"));
    EXPECT_TRUE(registry.KeyExists(kHkeyCurrentUser, "Software\\A"));
    EXPECT_TRUE(registry.KeyExists(kHkeyCurrentUser, "Software\\A\\B\\C"));
    EXPECT_EQ("value", RegGetString(registry, kHkeyCurrentUser, "Software\\A\\B\\C", "name", "d"));
    EXPECT_EQ("value", RegQueryString(registry, kHkeyCurrentUser, "Software\\A\\B\\C", "Name"));
    // Written as text with its terminating NUL.
    EXPECT_EQ(std::string("value\0", 6), registry.ValueBytes(kHkeyCurrentUser, "Software\\A\\B\\C", "Name"));
    EXPECT_EQ(0u, registry.OpenKeyCount());
}

TEST(Registry, PathWithOrWithoutSlashesReachesTheSameKey) {
    MemoryRegistry registry;
    EXPECT_TRUE(RegSetString(registry, kHkeyCurrentUser, std::string(kRun) + "\\", "LoGonWindow", "C:\\T.exe"));
    EXPECT_EQ("C:\\T.exe", RegGetString(registry, kHkeyCurrentUser, kRun, "LoGonWindow", ""));
    EXPECT_EQ("C:\\T.exe",
              RegGetString(registry, kHkeyCurrentUser, std::string("\\") + kRun + "\\", "LoGonWindow", ""));
    EXPECT_EQ("C:\\T.exe", RegQueryString(registry, kHkeyCurrentUser, std::string(kRun) + "\\", "LoGonWindow"));
    EXPECT_TRUE(RegDelete(registry, kHkeyCurrentUser, std::string("\\") + kRun, "LoGonWindow"));
    EXPECT_FALSE(registry.ValueExists(kHkeyCurrentUser, kRun, "LoGonWindow"));
    EXPECT_FALSE(RegDelete(registry, kHkeyCurrentUser, kRun, "LoGonWindow"));  // already gone
}

TEST(Registry, MissingOrEmptyValuesGiveTheDefault) {
    MemoryRegistry registry;
    EXPECT_EQ("dflt", RegGetString(registry, kHkeyCurrentUser, "Software\\None", "x", "dflt"));
    EXPECT_EQ("", RegQueryString(registry, kHkeyCurrentUser, "Software\\None", "x"));
    RegSetString(registry, kHkeyCurrentUser, "Software\\T", "Empty", "");
    EXPECT_EQ("dflt", RegGetString(registry, kHkeyCurrentUser, "Software\\T", "Empty", "dflt"));
    EXPECT_EQ("", RegQueryString(registry, kHkeyCurrentUser, "Software\\T", "Empty"));
    EXPECT_EQ("dflt", RegGetString(registry, kHkeyCurrentUser, "Software\\T", "Other", "dflt"));
    registry.PutRawValue(kHkeyCurrentUser, "Software\\T", "Zero", "");
    EXPECT_EQ("d", RegGetString(registry, kHkeyCurrentUser, "Software\\T", "Zero", "d"));
    EXPECT_EQ(0u, registry.OpenKeyCount());
}

TEST(Registry, ValuesWithOrWithoutTerminatorReadWhole) {
    MemoryRegistry registry;
    registry.PutRawValue(kHkeyCurrentUser, "Software\\T", "Bare", "abc");
    registry.PutRawValue(kHkeyCurrentUser, "Software\\T", "Padded", std::string("abc\0\0\0", 6));
    EXPECT_EQ("abc", RegGetString(registry, kHkeyCurrentUser, "Software\\T", "Bare", ""));
    EXPECT_EQ("abc", RegGetString(registry, kHkeyCurrentUser, "Software\\T", "Padded", ""));
    EXPECT_EQ("abc", RegQueryString(registry, kHkeyCurrentUser, "Software\\T", "Bare"));
    registry.PutRawValue(kHkeyCurrentUser, "Software\\T", "One", "a");
    EXPECT_EQ("", RegQueryString(registry, kHkeyCurrentUser, "Software\\T", "One"));  // size 1
}

TEST(Registry, QueryStringTakesUpTo255Bytes) {
    MemoryRegistry registry;
    RegSetString(registry, kHkeyCurrentUser, "Software\\T", "Fits", std::string(254, 'x'));
    RegSetString(registry, kHkeyCurrentUser, "Software\\T", "Long", std::string(255, 'x'));
    EXPECT_EQ(254u, RegQueryString(registry, kHkeyCurrentUser, "Software\\T", "Fits").size());
    EXPECT_EQ("", RegQueryString(registry, kHkeyCurrentUser, "Software\\T", "Long"));
    EXPECT_EQ(255u, RegGetString(registry, kHkeyCurrentUser, "Software\\T", "Long", "").size());
}

TEST(Registry, ReadFallsBackToReadOnlyAccessWhenFullAccessIsDenied) {
    MemoryRegistry registry;
    const std::string key = "Software\\Policies\\Tessarin";
    RegSetString(registry, kHkeyLocalMachine, key, "Setting", "on");
    registry.DenyWriteAccess(kHkeyLocalMachine, key);
    registry.OpenAccessLog.clear();
    EXPECT_EQ("on", RegGetString(registry, kHkeyLocalMachine, key, "Setting", "off"));
    EXPECT_EQ((std::vector<std::uint32_t>{kKeyAllAccess, kKeyRead}), registry.OpenAccessLog);
    EXPECT_FALSE(RegSetString(registry, kHkeyLocalMachine, key, "Setting", "x"));
    EXPECT_FALSE(RegDelete(registry, kHkeyLocalMachine, key, "Setting"));
    EXPECT_EQ("on", RegGetString(registry, kHkeyLocalMachine, key, "Setting", "off"));
    EXPECT_EQ(0u, registry.OpenKeyCount());
}

TEST(Registry, StarNamesTheDefaultValue) {
    MemoryRegistry registry;
    EXPECT_TRUE(RegSetString(registry, kHkeyCurrentUser, "Software\\T", "*", "default text"));
    EXPECT_TRUE(registry.ValueExists(kHkeyCurrentUser, "Software\\T", ""));
    EXPECT_EQ("default text", RegGetString(registry, kHkeyCurrentUser, "Software\\T", "*", ""));
    EXPECT_EQ("default text", RegQueryString(registry, kHkeyCurrentUser, "Software\\T", "*"));
    EXPECT_TRUE(RegDelete(registry, kHkeyCurrentUser, "Software\\T", "*"));
    EXPECT_FALSE(registry.ValueExists(kHkeyCurrentUser, "Software\\T", ""));
    EXPECT_TRUE(registry.KeyExists(kHkeyCurrentUser, "Software\\T"));
}

TEST(Registry, EmptyValueNameDeletesTheKeyWhenItHasNoSubkeys) {
    MemoryRegistry registry;
    RegSetString(registry, kHkeyCurrentUser, "Software\\T\\Sub", "v", "1");
    EXPECT_FALSE(RegDelete(registry, kHkeyCurrentUser, "Software\\T", ""));
    EXPECT_TRUE(registry.KeyExists(kHkeyCurrentUser, "Software\\T\\Sub"));
    EXPECT_TRUE(RegDelete(registry, kHkeyCurrentUser, "\\Software\\T\\Sub\\", ""));
    EXPECT_FALSE(registry.KeyExists(kHkeyCurrentUser, "Software\\T\\Sub"));
    EXPECT_TRUE(RegDelete(registry, kHkeyCurrentUser, "Software\\T", ""));
    EXPECT_FALSE(RegDelete(registry, kHkeyCurrentUser, "Software\\T", ""));
    EXPECT_FALSE(RegDelete(registry, kHkeyCurrentUser, "", ""));
}

TEST(Registry, FailedCloseIsReportedByQueryOnly) {
    MemoryRegistry registry;
    RegSetString(registry, kHkeyCurrentUser, "Software\\T", "v", "text");
    registry.FailClose = true;
    EXPECT_EQ("text", RegQueryString(registry, kHkeyCurrentUser, "\\Software\\T", "v"));
    ASSERT_EQ(1u, registry.Errors.size());
    EXPECT_EQ("RegCloseKey Failed: \\Software\\T", registry.Errors[0]);
    EXPECT_EQ("text", RegGetString(registry, kHkeyCurrentUser, "Software\\T", "v", ""));
    EXPECT_EQ(1u, registry.Errors.size());
}
