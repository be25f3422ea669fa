// The setup tool's system seam against the real system (run under Wine).
#include "setup/kelvane_system_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "support/temp_folder.h"

TEST(KelvaneSystemWin32, FileSearchFindsOrdinaryFilesOnly) {
    TempFolder folder;
    folder.Write("Tessarin.exe", "MZ");
    folder.Write("hidden.exe", "MZ");
    folder.Write("system.exe", "MZ");
    SetFileAttributesA(folder.File("hidden.exe").c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesA(folder.File("system.exe").c_str(), FILE_ATTRIBUTE_SYSTEM);
    const std::string sub = folder.MakeFolder("Apps");
    Win32KelvaneSystem system;
    EXPECT_TRUE(system.FindsOrdinaryFile(folder.File("Tessarin.exe")));
    EXPECT_FALSE(system.FindsOrdinaryFile(folder.File("hidden.exe")));
    EXPECT_FALSE(system.FindsOrdinaryFile(folder.File("system.exe")));
    EXPECT_FALSE(system.FindsOrdinaryFile(sub));
    EXPECT_FALSE(system.FindsOrdinaryFile(folder.File("missing.exe")));
    EXPECT_FALSE(system.FindsOrdinaryFile(folder.File("a<b>|c.exe")));
    EXPECT_FALSE(system.FindsOrdinaryFile(""));
    EXPECT_FALSE(system.FindsOrdinaryFile(std::string(5000, 'x') + ".exe"));
    // Devices are no programs: "Kelvane.exe COM1,..." registered "COM1".
    EXPECT_FALSE(system.FindsOrdinaryFile("COM1"));
    EXPECT_FALSE(system.FindsOrdinaryFile("nul"));
    SetFileAttributesA(folder.File("hidden.exe").c_str(), FILE_ATTRIBUTE_NORMAL);
    SetFileAttributesA(folder.File("system.exe").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(KelvaneSystemWin32, WritesOneLineAndTellsWhyNot) {
    TempFolder folder;
    Win32KelvaneSystem system;
    std::string error;
    folder.Write("check.log", "an older and much longer line\r\nand a second\r\n");
    ASSERT_TRUE(system.WriteLineFile(folder.File("check.log"), "alice,now,None", &error));
    EXPECT_EQ("alice,now,None\r\n", folder.Read("check.log"));

    const std::string sub = folder.MakeFolder("Logs");
    EXPECT_FALSE(system.WriteLineFile(sub, "x", &error));
    EXPECT_FALSE(error.empty());
    error.clear();
    EXPECT_FALSE(system.WriteLineFile(folder.File("Gone\\check.log"), "x", &error));
    EXPECT_FALSE(system.WriteLineFile("COM1", "x", &error));  // a device is no log file
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(std::string::npos, error.find('\n'));  // one line, ready for the box
}

TEST(KelvaneSystemWin32, NowIsTheShortDateABlankAndTheTime) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    char date[128] = {};
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &now, nullptr, date, sizeof date);
    const std::string text = Win32KelvaneSystem().NowText();
    ASSERT_GT(text.size(), std::string(date).size() + 1);
    EXPECT_EQ(std::string(date) + " ", text.substr(0, std::string(date).size() + 1));
    EXPECT_NE(std::string::npos, text.find(':', std::string(date).size()));
}

TEST(KelvaneSystemWin32, UnattendedOverrideSilencesTheBoxes) {
    SetEnvironmentVariableA("TSR_UNATTENDED", "1");
    EXPECT_TRUE(UnattendedRequested());
    EXPECT_FALSE(Win32KelvaneSystem().CanShowMessages());
    SetEnvironmentVariableA("TSR_UNATTENDED", "0");
    EXPECT_FALSE(UnattendedRequested());
    SetEnvironmentVariableA("TSR_UNATTENDED", "10");
    EXPECT_FALSE(UnattendedRequested());
    SetEnvironmentVariableA("TSR_UNATTENDED", nullptr);
    EXPECT_FALSE(UnattendedRequested());
}
