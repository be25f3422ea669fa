#include "shared/identity.h"

#include <gtest/gtest.h>

TEST(Identity, HardwareAddressIsUpperCaseHexPairsJoinedByDash) {
    EXPECT_EQ("00-0A-2B-3C-4D-FF", FormatHardwareAddress({0x00, 10, 0x2B, 0x3C, 0x4D, 0xFF}));
    EXPECT_EQ("", FormatHardwareAddress({}));
    EXPECT_EQ("7F", FormatHardwareAddress({0x7F}));
}

TEST(Identity, AddressTextChoosesKindAndLastIpEntry) {
    AdapterIdentity adapter;
    adapter.HardwareAddress = {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};
    adapter.IpAddressFields = {std::string("10.0.0.1\0\0\0\0\0\0\0\0", 16), std::string("192.168.1.20\0\0\0\0", 16)};
    EXPECT_EQ("00-1A-2B-3C-4D-5E", AdapterAddressText(adapter, 1));
    std::string ip = AdapterAddressText(adapter, 2);
    EXPECT_EQ(16u, ip.size());
    EXPECT_EQ("192.168.1.20", ip.substr(0, ip.find('\0')));
    EXPECT_EQ("", AdapterAddressText(adapter, 3));
    EXPECT_EQ("", AdapterAddressText(AdapterIdentity(), 2));
}

TEST(Identity, NameBufferLosesTrailingSpacesAndNuls) {
    EXPECT_EQ("jsmith", TrimNameBuffer(std::string("jsmith\0\0\0", 9)));
    EXPECT_EQ("j smith", TrimNameBuffer("j smith   "));
    EXPECT_EQ("", TrimNameBuffer(std::string("\0junk", 5)));
    EXPECT_EQ("", TrimNameBuffer("   "));
}

TEST(Identity, ProgramPathNamesAnExistingFolder) {
    std::string exe = AppExePath();
    ASSERT_FALSE(exe.empty());
    EXPECT_EQ(0u, exe.find(AppFolder()));
    EXPECT_GT(exe.size(), AppFolder().size());
}
