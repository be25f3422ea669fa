#include "setup/kelvane_arguments.h"

#include <chrono>

#include <gtest/gtest.h>

namespace {

using Items = std::vector<std::string>;

RegHive RootOf(const std::string& rawCommandText) {
    return ChooseRegistryRoot(SplitKelvaneArguments(rawCommandText)).Root;
}

}  // namespace

TEST(KelvaneArguments, SplitsAtEveryCommaKeepingBlanksAndQuotes) {
    EXPECT_EQ((Items{"C:\\A\\Tessarin.exe", " C:\\Logs\\"}), SplitKelvaneArguments("C:\\A\\Tessarin.exe, C:\\Logs\\"));
    EXPECT_EQ((Items{"\"C:\\Program Files\\T.exe\"", "x", "2", "", "9"}),
              SplitKelvaneArguments("\"C:\\Program Files\\T.exe\",x,2,,9"));
    EXPECT_EQ((Items{"", ""}), SplitKelvaneArguments(","));
    EXPECT_EQ((Items{"", " Z:\\Users\\"}), SplitKelvaneArguments(", Z:\\Users\\"));
}

TEST(KelvaneArguments, TextWithoutCommaIsTheOptionAndEmptyTextAsksForHelp) {
    EXPECT_EQ((Items{"C:\\A\\Tessarin.exe ", ""}), SplitKelvaneArguments("C:\\A\\Tessarin.exe "));
    EXPECT_EQ((Items{"None", ""}), SplitKelvaneArguments("None"));
    EXPECT_EQ((Items{"/h", ""}), SplitKelvaneArguments(""));
    EXPECT_EQ((Items{" ", ""}), SplitKelvaneArguments(" "));
}

TEST(KelvaneArguments, HelpRequestInAnyCaseButNotWithALeadingBlank) {
    EXPECT_TRUE(IsHelpRequest(SplitKelvaneArguments("")));
    EXPECT_TRUE(IsHelpRequest(SplitKelvaneArguments("/h")));
    EXPECT_TRUE(IsHelpRequest(SplitKelvaneArguments("/H")));
    EXPECT_TRUE(IsHelpRequest(SplitKelvaneArguments("/H,C:\\Logs\\")));
    EXPECT_FALSE(IsHelpRequest(SplitKelvaneArguments(" /h")));
    EXPECT_FALSE(IsHelpRequest(SplitKelvaneArguments("/h ,x")));
    EXPECT_FALSE(IsHelpRequest(SplitKelvaneArguments("/help")));
    EXPECT_FALSE(IsHelpRequest(SplitKelvaneArguments("-h")));
}

TEST(KelvaneArguments, SelectorChoosesTheRoot) {
    EXPECT_EQ(kHkeyCurrentUser, RootOf("x,y"));
    EXPECT_EQ(kHkeyCurrentUser, RootOf("x"));
    EXPECT_EQ(kHkeyCurrentUser, RootOf("x,y,1"));
    EXPECT_EQ(kHkeyLocalMachine, RootOf("x,y,2"));
    EXPECT_EQ(kHkeyLocalMachine, RootOf("x,y, 2 "));
    EXPECT_EQ(kHkeyCurrentConfig, RootOf("x,y,3"));
    EXPECT_EQ(kHkeyUsers, RootOf("x,y,4"));
    EXPECT_EQ(kHkeyLocalMachine, RootOf("x,y,2,4"));  // items beyond the third ignored
    for (const char* other : {"x,y,7", "x,y,0", "x,y,-2", "x,y,abc", "x,y,", "x,y,2x", "x,y,0x2"})
        EXPECT_EQ(kHkeyCurrentUser, RootOf(other)) << other;
}

TEST(KelvaneArguments, SelectorRoundsHalfToEven) {
    EXPECT_EQ(kHkeyLocalMachine, RootOf("x,y,1.5"));    // 2
    EXPECT_EQ(kHkeyLocalMachine, RootOf("x,y,2.5"));    // 2
    EXPECT_EQ(kHkeyUsers, RootOf("x,y,3.5"));           // 4
    EXPECT_EQ(kHkeyUsers, RootOf("x,y,4.5"));           // 4
    EXPECT_EQ(kHkeyCurrentConfig, RootOf("x,y,2.51"));  // 3
    EXPECT_EQ(kHkeyCurrentUser, RootOf("x,y,0.5"));     // 0
    EXPECT_EQ(kHkeyCurrentUser, RootOf("x,y,1.49"));    // 1
    long value = 99;
    ASSERT_TRUE(RoundHalfToEven(-1.5, -10, 10, &value));
    EXPECT_EQ(-2, value);
    ASSERT_TRUE(RoundHalfToEven(-0.5, -10, 10, &value));
    EXPECT_EQ(0, value);
    EXPECT_FALSE(RoundHalfToEven(10.6, -10, 10, &value));
    EXPECT_EQ(0, value);  // untouched on failure
}

TEST(KelvaneArguments, SelectorBeyondSixteenBitsIsNotTrusted) {
    EXPECT_TRUE(ChooseRegistryRoot(SplitKelvaneArguments("x,y,32767")).InRange);
    EXPECT_TRUE(ChooseRegistryRoot(SplitKelvaneArguments("x,y,-32768")).InRange);
    EXPECT_FALSE(ChooseRegistryRoot(SplitKelvaneArguments("x,y,32767.5")).InRange);  // 32768
    for (const char* big :
         {"x,y,32768", "x,y,-32769", "x,y,65538", "x,y,1e10", "x,y,1e400", "x,y,99999999999999999999999"}) {
        const RootChoice choice = ChooseRegistryRoot(SplitKelvaneArguments(big));
        EXPECT_FALSE(choice.InRange) << big;
        EXPECT_EQ(kHkeyCurrentUser, choice.Root) << big;
    }
    // Not a number at all is an ordinary selector 0, not a refusal.
    EXPECT_TRUE(ChooseRegistryRoot(SplitKelvaneArguments("x,y,nan")).InRange);
}

TEST(KelvaneArguments, TenThousandCommasSplitQuickly) {
    const auto started = std::chrono::steady_clock::now();
    const Items items = SplitKelvaneArguments(std::string(10000, ','));
    const auto took = std::chrono::steady_clock::now() - started;
    ASSERT_EQ(10001u, items.size());
    EXPECT_EQ("", items[0]);
    EXPECT_EQ("", items[10000]);
    EXPECT_FALSE(IsHelpRequest(items));
    EXPECT_EQ(kHkeyCurrentUser, ChooseRegistryRoot(items).Root);
    EXPECT_LT(took, std::chrono::seconds(1));
}
