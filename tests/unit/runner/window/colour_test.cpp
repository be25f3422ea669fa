#include <gtest/gtest.h>

#include "runner/window/colour.h"
#include "runner/window/program_random.h"

namespace {

std::int32_t Convert(std::string text, std::int32_t defaultColour = 0x123456, std::uint32_t seed = 7) {
    ProgramRandom random;
    return Str2ColorInt(text, defaultColour, random, seed);
}

}  // namespace

TEST(Str2ColorInt, NamesInAnyCaseWithBlanks) {
    EXPECT_EQ(Convert("red"), 255);
    EXPECT_EQ(Convert("  Blue "), 0xFF0000);
    EXPECT_EQ(Convert("GREEN"), 65280);
    EXPECT_EQ(Convert("Yellow"), 65535);
    EXPECT_EQ(Convert("magenta"), 0xFF00FF);
    EXPECT_EQ(Convert("cyan"), 0xFFFF00);
    EXPECT_EQ(Convert("white"), 0xFFFFFF);
    EXPECT_EQ(Convert("Black"), 0);
}

TEST(Str2ColorInt, TrimsAndLowersTheCallersText) {
    ProgramRandom random;
    std::string text = "  DeFault  ";
    EXPECT_EQ(Str2ColorInt(text, 0x00ABCDEF, random, 1), 0x00ABCDEF);
    EXPECT_EQ(text, "default");
}

TEST(Str2ColorInt, NumbersAndGarbage) {
    EXPECT_EQ(Convert("16711680"), 0xFF0000);
    EXPECT_EQ(Convert(" 42 "), 42);
    EXPECT_EQ(Convert("0"), 0);
    EXPECT_EQ(Convert("-1"), -1);
    EXPECT_EQ(ScreenColour(Convert("-1")), 0xFFFFFFu);
    // Too large for 32 bits, not a colour name, or empty: black.
    EXPECT_EQ(Convert("99999999999"), 0);
    EXPECT_EQ(Convert("reddish"), 0);
    EXPECT_EQ(Convert(""), 0);
    EXPECT_EQ(Convert("\x01\xff\x80garbage"), 0);
}

TEST(Str2ColorInt, RandomPartsStayBelow255AndFollowTheSeed) {
    bool sawDifferent = false;
    std::int32_t first = Convert("random", 0, 1);
    for (std::uint32_t seed = 0; seed < 2000; ++seed) {
        std::int32_t c = Convert(" RANDOM", 0, seed);
        EXPECT_LT(c & 0xFF, 255);
        EXPECT_LT((c >> 8) & 0xFF, 255);
        EXPECT_LT((c >> 16) & 0xFF, 255);
        EXPECT_EQ(c >> 24, 0);
        if (c != first) sawDifferent = true;
    }
    EXPECT_TRUE(sawDifferent);
    // The same timer value gives the same colour: the generator is reseeded.
    EXPECT_EQ(Convert("random", 0, 99), Convert("random", 0, 99));
}

TEST(ProgramRandom, DrawsLieInTheHalfOpenUnitInterval) {
    ProgramRandom random;
    random.Reseed(12345);
    double low = 1, high = 0;
    for (int i = 0; i < 10000; ++i) {
        double r = random.Next();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        low = std::min(low, r);
        high = std::max(high, r);
    }
    EXPECT_LT(low, 0.01);
    EXPECT_GT(high, 0.99);
}

TEST(ReadableTextColour, LightTextOnDarkBackgroundsAndDarkOnLight) {
    EXPECT_EQ(ReadableTextColour(0), 0xFFFFFFu);
    EXPECT_EQ(ReadableTextColour(6306335), 0xFFFFFFu);  // dark blue
    EXPECT_EQ(ReadableTextColour(255), 0xFFFFFFu);      // red
    EXPECT_EQ(ReadableTextColour(0xFFFFFF), 0u);
    EXPECT_EQ(ReadableTextColour(65535), 0u);     // yellow
    EXPECT_EQ(ReadableTextColour(0xFFFF00), 0u);  // cyan
    EXPECT_EQ(ReadableTextColour(-1), 0u);        // white once the high byte is dropped
}
