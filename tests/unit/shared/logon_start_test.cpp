// Logon-start registration, against an in-memory registry.
#include <gtest/gtest.h>

#include "shared/logon_start.h"
#include "support/memory_registry.h"

namespace {

const std::string kExe = "C:\\Tsr\\Tessarin.exe";

std::string RunValue(MemoryRegistry& registry, RegHive hive) {
    return RegGetString(registry, hive, kRunKeyPath, kRunValueName, "<none>");
}

}  // namespace

TEST(LogonStartTest, PerUserByDefault) {
    MemoryRegistry registry;
    RegisterLogonStart(registry, "0", kExe);
    EXPECT_EQ(RunValue(registry, kHkeyCurrentUser), kExe);
    EXPECT_FALSE(registry.ValueExists(kHkeyLocalMachine, kRunKeyPath, kRunValueName));
    RegisterLogonStart(registry, "anything", "D:\\Moved\\Tessarin.exe");
    EXPECT_EQ(RunValue(registry, kHkeyCurrentUser), "D:\\Moved\\Tessarin.exe");
}

TEST(LogonStartTest, LocalMachineLeavesTheUserEntry) {
    MemoryRegistry registry;
    RegisterLogonStart(registry, "0", "C:\\Old\\Tessarin.exe");
    RegisterLogonStart(registry, "Local MACHINE", kExe);
    EXPECT_EQ(RunValue(registry, kHkeyLocalMachine), kExe);
    EXPECT_EQ(RunValue(registry, kHkeyCurrentUser), "C:\\Old\\Tessarin.exe");
}

TEST(LogonStartTest, ServerEmptiesOnlyThisProgramsEntries) {
    MemoryRegistry registry;
    RegSetString(registry, kHkeyCurrentUser, kRunKeyPath, kRunValueName, kExe);
    RegSetString(registry, kHkeyLocalMachine, kRunKeyPath, kRunValueName, kExe);
    RegisterLogonStart(registry, "Server", kExe);
    EXPECT_TRUE(registry.ValueExists(kHkeyCurrentUser, kRunKeyPath, kRunValueName));
    EXPECT_EQ(RegQueryString(registry, kHkeyCurrentUser, kRunKeyPath, kRunValueName), "");
    EXPECT_EQ(RegQueryString(registry, kHkeyLocalMachine, kRunKeyPath, kRunValueName), "");

    RegSetString(registry, kHkeyCurrentUser, kRunKeyPath, kRunValueName, "C:\\Other\\logon.exe");
    RegisterLogonStart(registry, "server", kExe);
    EXPECT_EQ(RunValue(registry, kHkeyCurrentUser), "C:\\Other\\logon.exe");
    // Paths on Windows have no case: a lower-case entry is this program's too.
    RegSetString(registry, kHkeyCurrentUser, kRunKeyPath, kRunValueName, "\"c:\\my apps\\tessarin.exe\"");
    RegisterLogonStart(registry, "server", kExe);
    EXPECT_EQ(RegQueryString(registry, kHkeyCurrentUser, kRunKeyPath, kRunValueName), "");
}

// A path with a blank is written in quotes, so Windows never tries
// "C:\Program.exe" at logon; a quoted value reads back as the path.
TEST(LogonStartTest, PathWithBlanksIsQuoted) {
    MemoryRegistry registry;
    RegisterLogonStart(registry, "0", "C:\\Program Files\\Tessarin\\Tessarin.exe");
    EXPECT_EQ(RunValue(registry, kHkeyCurrentUser), "\"C:\\Program Files\\Tessarin\\Tessarin.exe\"");
    EXPECT_EQ(RunCommandFor("\"C:\\A B\\Tessarin.exe\""), "\"C:\\A B\\Tessarin.exe\"");
    EXPECT_EQ(ProgramPathOf("\"C:\\A B\\Tessarin.exe\""), "C:\\A B\\Tessarin.exe");
    EXPECT_EQ(ProgramPathOf(kExe), kExe);
    EXPECT_TRUE(NamesThisProgram("C:\\APPS\\TESSARIN.EXE"));
    EXPECT_FALSE(NamesThisProgram("C:\\Apps\\Watcher.exe"));
}

TEST(LogonStartTest, ReadOnlyMachineHiveIsIgnored) {
    MemoryRegistry registry;
    RegSetString(registry, kHkeyLocalMachine, kRunKeyPath, "Other", "x");
    registry.DenyWriteAccess(kHkeyLocalMachine, kRunKeyPath);
    RegisterLogonStart(registry, "local machine", kExe);
    EXPECT_FALSE(registry.ValueExists(kHkeyLocalMachine, kRunKeyPath, kRunValueName));
}
