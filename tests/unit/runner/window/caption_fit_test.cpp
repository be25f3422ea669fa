#include "runner/window/caption_fit.h"

#include <gtest/gtest.h>

TEST(FitWithEllipsis, CutsAtAWordWithinTheRoom) {
    struct Case {
        std::string text;
        size_t room;  // characters that fit
        std::string shown;
    };
    const Case cases[] = {
        {"I have read it", 14, "I have read it"},
        {"I have read it", 13, "I have..."},
        {"I have read it", 9, "I have..."},
        {"I have read it", 8, "I..."},
        {"Unbroken", 6, "Unb..."},
        {"Unbroken", 2, "..."},
        {"", 0, ""},
    };
    for (const Case& c : cases) {
        const std::string shown = FitWithEllipsis(c.text, [&](const std::string& s) { return s.size() <= c.room; });
        EXPECT_EQ(c.shown, shown) << c.text << " in " << c.room;
        EXPECT_LE(shown.size(), std::max<size_t>(c.room, 3));
    }
    int measured = 0;
    const std::string longText(10000, 'x');
    FitWithEllipsis(longText, [&](const std::string& s) { return ++measured, s.size() <= 500; });
    EXPECT_LE(measured, 16);  // a binary search, not one measurement a character
}
