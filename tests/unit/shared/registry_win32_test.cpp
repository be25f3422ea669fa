// The registry routines against the real registry, in a scratch key under
// HKEY_CURRENT_USER that is removed afterwards.
#include "shared/registry_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

const char kScratch[] = "Software\\TessarinTest";

void DeleteTree(HKEY parent, const std::string& path) {
    HKEY key;
    if (RegOpenKeyExA(parent, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return;
    char name[256];
    for (;;) {
        DWORD size = sizeof name;
        if (RegEnumKeyExA(key, 0, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        DeleteTree(key, name);
    }
    RegCloseKey(key);
    RegDeleteKeyA(parent, path.c_str());
}

bool KeyExists(const std::string& path) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

class RegistryWin32 : public ::testing::Test {
protected:
    void SetUp() override { DeleteTree(HKEY_CURRENT_USER, kScratch); }
    void TearDown() override {
        DeleteTree(HKEY_CURRENT_USER, kScratch);
        EXPECT_FALSE(KeyExists(kScratch));
    }
    std::string Path(const std::string& sub) const { return std::string(kScratch) + "\\" + sub; }
    Win32Registry registry;
};

}  // namespace

TEST_F(RegistryWin32, SetCreatesThePathAndEveryReadFindsIt) {
    const std::string path = Path("A\\B\\C");
    ASSERT_TRUE(RegSetString(registry, kHkeyCurrentUser, path, "LoGonWindow", "C:\\App\\Tessarin.exe"));
    EXPECT_TRUE(KeyExists(path));
    EXPECT_EQ("C:\\App\\Tessarin.exe", RegGetString(registry, kHkeyCurrentUser, path, "logonwindow", ""));
    EXPECT_EQ("C:\\App\\Tessarin.exe", RegQueryString(registry, kHkeyCurrentUser, path, "LoGonWindow"));
    // The value is a terminated REG_SZ as any reader expects.
    char data[64] = {};
    DWORD size = sizeof data, type = 0;
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key));
    EXPECT_EQ(ERROR_SUCCESS,
              RegQueryValueExA(key, "LoGonWindow", nullptr, &type, reinterpret_cast<BYTE*>(data), &size));
    RegCloseKey(key);
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
    EXPECT_STREQ("C:\\App\\Tessarin.exe", data);
}

TEST_F(RegistryWin32, SlashesAroundThePathReachTheSameKey) {
    const std::string path = Path("Run");
    ASSERT_TRUE(RegSetString(registry, kHkeyCurrentUser, path + "\\", "v", "one"));
    EXPECT_EQ("one", RegGetString(registry, kHkeyCurrentUser, "\\" + path, "v", ""));
    EXPECT_EQ("one", RegGetString(registry, kHkeyCurrentUser, "\\" + path + "\\", "v", ""));
    EXPECT_EQ("one", RegQueryString(registry, kHkeyCurrentUser, path + "\\", "v"));
    EXPECT_TRUE(RegDelete(registry, kHkeyCurrentUser, path + "\\", "v"));
    EXPECT_EQ("gone", RegGetString(registry, kHkeyCurrentUser, path, "v", "gone"));
    EXPECT_FALSE(RegDelete(registry, kHkeyCurrentUser, path, "v"));
}

TEST_F(RegistryWin32, MissingAndEmptyValuesGiveTheDefault) {
    const std::string path = Path("E");
    EXPECT_EQ("d", RegGetString(registry, kHkeyCurrentUser, path, "v", "d"));
    EXPECT_EQ("", RegQueryString(registry, kHkeyCurrentUser, path, "v"));
    ASSERT_TRUE(RegSetString(registry, kHkeyCurrentUser, path, "v", ""));
    EXPECT_EQ("d", RegGetString(registry, kHkeyCurrentUser, path, "v", "d"));
    EXPECT_EQ("", RegQueryString(registry, kHkeyCurrentUser, path, "v"));
}

TEST_F(RegistryWin32, UnterminatedValueReadsWhole) {
    const std::string path = Path("U");
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS,
              RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr));
    RegSetValueExA(key, "bare", 0, REG_SZ, reinterpret_cast<const BYTE*>("abc"), 3);
    RegCloseKey(key);
    EXPECT_EQ("abc", RegGetString(registry, kHkeyCurrentUser, path, "bare", ""));
    EXPECT_EQ("abc", RegQueryString(registry, kHkeyCurrentUser, path, "bare"));
}

TEST_F(RegistryWin32, StarIsTheDefaultValue) {
    const std::string path = Path("S");
    ASSERT_TRUE(RegSetString(registry, kHkeyCurrentUser, path, "*", "default"));
    char data[32] = {};
    LONG size = sizeof data;
    EXPECT_EQ(ERROR_SUCCESS, RegQueryValueA(HKEY_CURRENT_USER, path.c_str(), data, &size));
    EXPECT_STREQ("default", data);
    EXPECT_EQ("default", RegGetString(registry, kHkeyCurrentUser, path, "*", ""));
    EXPECT_EQ("default", RegQueryString(registry, kHkeyCurrentUser, path, "*"));
    EXPECT_TRUE(RegDelete(registry, kHkeyCurrentUser, path, "*"));
    EXPECT_EQ("none", RegGetString(registry, kHkeyCurrentUser, path, "*", "none"));
}

TEST_F(RegistryWin32, KeyDeleteNeedsAKeyWithoutSubkeys) {
    ASSERT_TRUE(RegSetString(registry, kHkeyCurrentUser, Path("K\\Sub"), "v", "1"));
    EXPECT_FALSE(RegDelete(registry, kHkeyCurrentUser, Path("K"), ""));
    EXPECT_TRUE(KeyExists(Path("K\\Sub")));
    EXPECT_TRUE(RegDelete(registry, kHkeyCurrentUser, Path("K\\Sub\\"), ""));
    EXPECT_TRUE(RegDelete(registry, kHkeyCurrentUser, Path("K"), ""));
    EXPECT_FALSE(KeyExists(Path("K")));
    EXPECT_FALSE(RegDelete(registry, kHkeyCurrentUser, Path("K"), ""));
}

TEST_F(RegistryWin32, LocalMachineKeysRead) {
    // Every Windows (and Wine) has this value; reading it needs no write access.
    std::string root =
        RegGetString(registry, kHkeyLocalMachine, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "SystemRoot", "");
    EXPECT_FALSE(root.empty());
    EXPECT_EQ(root, RegQueryString(registry, kHkeyLocalMachine, "\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion",
                                   "SystemRoot"));
}
