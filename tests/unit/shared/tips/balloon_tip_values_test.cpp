#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "shared/text_routines.h"
#include "shared/tips/balloon_tip_values.h"

namespace {

std::size_t LongestLine(const std::string& text, std::size_t* lines = nullptr) {
    std::size_t start = 0, longest = 0, count = 0;
    for (;;) {
        const std::size_t end = text.find("\r\n", start);
        const std::size_t length = (end == std::string::npos ? text.size() : end) - start;
        longest = std::max(longest, length);
        ++count;
        if (end == std::string::npos) break;
        start = end + 2;
    }
    if (lines) *lines = count;
    return longest;
}

}  // namespace

TEST(BalloonTipValues, ToolFlagsFollowCentredAndOnDemand) {
    EXPECT_EQ(17, ToolFlags(false, false));
    EXPECT_EQ(19, ToolFlags(true, false));
    EXPECT_EQ(35, ToolFlags(true, true));
    EXPECT_EQ(289, ToolFlags(false, true));
}

TEST(BalloonTipValues, TwipsBecomePixelsLessOne) {
    EXPECT_EQ(99, TipPixelFromTwips(1500, 15));
    EXPECT_EQ(-1, TipPixelFromTwips(0, 15));
    EXPECT_EQ(149, TipPixelFromTwips(1500, 10));  // 144 pixels per inch
    EXPECT_EQ(99, TipPixelFromTwips(1507, 15));   // 99.47 rounds down
    EXPECT_EQ(100, TipPixelFromTwips(1509, 15));  // 99.6 rounds up
    EXPECT_EQ(99, TipPixelFromTwips(1500, 0));    // no display answer: a standard one
}

TEST(BalloonTipValues, LooksAndSystemColours) {
    EXPECT_EQ(0xC0FFC0u, kInfoLook.BackColor);
    EXPECT_EQ(1, kInfoLook.Icon);
    EXPECT_TRUE(IsSystemColour(kInfoLook.ForeColor));
    EXPECT_EQ(0x17, SystemColourIndex(kInfoLook.ForeColor));
    EXPECT_FALSE(IsSystemColour(kWarningLook.ForeColor));
    EXPECT_EQ(2, kWarningLook.Icon);
    EXPECT_EQ(0x0000FFu, kErrorLook.ForeColor);
    EXPECT_EQ(3, kErrorLook.Icon);
}

TEST(BalloonTipValues, LongTextsAndTitlesAreCut) {
    const std::string text(10000, 'w');
    const std::string shown = ShownTipText(text);
    EXPECT_EQ("...", shown.substr(shown.size() - 3));
    EXPECT_LE(LongestLine(shown), kMaxTipRun);
    std::string rejoined = shown;
    for (std::size_t at; (at = rejoined.find("\r\n")) != std::string::npos;) rejoined.erase(at, 2);
    EXPECT_EQ(kMaxTipText, rejoined.size());
    // Texts with blanks within the limits pass unchanged.
    std::string words;
    while (words.size() < kMaxTipText - 10) words += "word ";
    EXPECT_EQ(words, ShownTipText(words));
    EXPECT_EQ("one\r\ntwo", ShownTipText("one\r\ntwo"));
    EXPECT_EQ(std::string(kMaxTipRun, 'a') + "\r\na", ShownTipText(std::string(kMaxTipRun + 1, 'a')));
    EXPECT_EQ(kMaxTipTitle, ShownTipTitle(text).size());
    EXPECT_EQ("Previous", ShownTipTitle("Previous"));
}

TEST(BalloonTipValues, WrapTextForTipsEdgeCases) {
    // The example of the library routine: spaces after the 3rd and 7th, width 8.
    EXPECT_EQ("abc def\r\nabc", WrapText("abc def abc", 8));
    // A width of 40 breaks a long message at spaces into lines of at most 40.
    std::string message;
    for (int i = 0; i < 30; ++i) message += "word" + std::to_string(i) + " ";
    message += "end";
    std::size_t lines = 0;
    EXPECT_LE(LongestLine(WrapText(message, 40), &lines), 40u);
    EXPECT_GT(lines, 4u);
    EXPECT_EQ(message, WrapText(message, 0));
    // Exactly the width: unchanged; spaces only: breaks at the last space of each window.
    EXPECT_EQ("12345678", WrapText("12345678", 8));
    EXPECT_EQ("   \r\n ", WrapText("     ", 4));
    // 10,000 characters without a space stay one line; with spaces every line fits.
    const std::string solid(10000, 'x');
    EXPECT_EQ(solid, WrapText(solid, 40));
    std::string spaced;
    while (spaced.size() < 10000) spaced += "abcdefghi ";
    EXPECT_LE(LongestLine(WrapText(spaced, 40), &lines), 40u);
    EXPECT_GT(lines, 200u);
}
