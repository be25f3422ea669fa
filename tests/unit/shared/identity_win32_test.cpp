#include "shared/identity.h"
#include "shared/text_routines.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include <gtest/gtest.h>

TEST(IdentityWin32, LogonUserNameIsTheSessionsUser) {
    std::string name = GetLogonUserName();
    ASSERT_FALSE(name.empty());
    EXPECT_EQ(std::string::npos, name.find('\0'));
    EXPECT_NE(' ', name.back());
    const char* env = std::getenv("USERNAME");
    if (env) {
        EXPECT_TRUE(EqualsNoCase(env, name)) << env << " / " << name;
    }
}

TEST(IdentityWin32, AdapterAddressesHaveTheirForms) {
    std::string hardware = GetAdapterAddress(1);
    std::string ip = GetAdapterAddress(2);
    if (hardware.empty()) GTEST_SKIP() << "no network adapter";
    for (std::size_t i = 0; i < hardware.size(); ++i) {
        if (i % 3 == 2) EXPECT_EQ('-', hardware[i]);
        else
            EXPECT_TRUE(std::isxdigit(static_cast<unsigned char>(hardware[i])) &&
                        !std::islower(static_cast<unsigned char>(hardware[i])));
    }
    EXPECT_EQ(16u, ip.size());
    std::string dotted = CutAtNull(ip);
    EXPECT_FALSE(dotted.empty());
    EXPECT_EQ(3, std::count(dotted.begin(), dotted.end(), '.'));
    EXPECT_EQ("", GetAdapterAddress(3));
}

TEST(IdentityWin32, ProgramPathIsThisExecutable) {
    std::string exe = AppExePath();
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(exe.c_str()));
    EXPECT_TRUE(EqualsNoCase(".exe", exe.substr(exe.size() - 4)));
    EXPECT_EQ(exe.substr(0, AppFolder().size() + 1), AppFolder() + "\\");
}
