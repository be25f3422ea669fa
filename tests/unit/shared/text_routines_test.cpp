#include "shared/text_routines.h"

#include <gtest/gtest.h>

TEST(TextRoutines, IsYesIsFalseOnlyForTheWordNo) {
    EXPECT_FALSE(IsYes("  NO  "));
    EXPECT_FALSE(IsYes("no"));
    EXPECT_TRUE(IsYes("nope"));
    EXPECT_TRUE(IsYes("no thanks"));
    EXPECT_TRUE(IsYes(""));
    EXPECT_TRUE(IsYes("0"));
    EXPECT_TRUE(IsYes("yes"));
    EXPECT_TRUE(IsYes("\tno"));  // only spaces are trimmed
    EXPECT_EQ("Yes", YesNoText(true));
    EXPECT_EQ("No", YesNoText(false));
}

TEST(TextRoutines, FirstItemIsTextBeforeFirstCommaUntrimmed) {
    EXPECT_EQ("", FirstItem(",note"));
    EXPECT_EQ(" 30 ", FirstItem(" 30 ,days,more"));
    EXPECT_EQ("whole text", FirstItem("whole text"));
    EXPECT_EQ("", FirstItem(""));
}

TEST(TextRoutines, AddIniExtensionOnlyWhenNameHoldsNoIni) {
    EXPECT_EQ("jsmith.ini", AddIniExtension("jsmith"));
    EXPECT_EQ("JSMITH.INI", AddIniExtension("JSMITH.INI"));
    EXPECT_EQ("my.ini.bak", AddIniExtension("my.ini.bak"));
    EXPECT_EQ(".ini", AddIniExtension(""));
}

TEST(TextRoutines, TrimRemovesSpacesOnly) {
    EXPECT_EQ("a b", Trim("  a b  "));
    EXPECT_EQ("", Trim("    "));
    EXPECT_EQ("\ta\t", Trim(" \ta\t "));
    EXPECT_EQ("a \t b", TrimBlanks("\t a \t b \t"));
    EXPECT_EQ("", TrimBlanks(" \t "));
}

TEST(TextRoutines, LowerCaseCoversTheWesternCodePage) {
    EXPECT_EQ("montag", ToLower("MONTAG"));
    EXPECT_EQ("\xe4\xf6\xfc\xe9", ToLower("\xc4\xd6\xdc\xc9"));  // ÄÖÜÉ
    EXPECT_EQ("\xd7\xdf", ToLower("\xd7\xdf"));                  // × and ß stay
    EXPECT_EQ("M\xc4RZ \x8a\x9f", ToUpper("m\xe4rz \x9a\xff"));  // Ä, Š and Ÿ
    EXPECT_EQ("\xdf\xf7", ToUpper("\xdf\xf7"));                  // ß and ÷ have no capitals here
    EXPECT_TRUE(EqualsNoCase("Speaker Volume", "speaker VOLUME"));
    EXPECT_FALSE(EqualsNoCase("Speaker", "Speakers"));
}

TEST(TextRoutines, MaxOfAndReplaceFirst) {
    EXPECT_EQ(5, MaxOf(5, 3));
    EXPECT_EQ(7, MaxOf(-2, 7));
    EXPECT_EQ(4, MaxOf(4, 4));
    EXPECT_EQ("a-b+c+d", ReplaceFirst("a+b+c+d", "+", "-"));
    EXPECT_EQ("abc", ReplaceFirst("abc", "x", "y"));
    EXPECT_EQ("abc", ReplaceFirst("abc", "B", "y"));  // case matters
    EXPECT_EQ("abc", ReplaceFirst("abc", "", "y"));
}

TEST(TextRoutines, CutAtNullKeepsTextBeforeTheFirstNul) {
    EXPECT_EQ("10.1.2.3", CutAtNull(std::string("10.1.2.3\0\0\0\0\0\0\0\0", 16)));
    EXPECT_EQ("", CutAtNull("no nul here"));
    EXPECT_EQ("", CutAtNull(std::string("\0abc", 4)));
}

TEST(TextRoutines, WrapTextBreaksAtLastSpaceOfEachWindow) {
    EXPECT_EQ("abc def\r\nghi", WrapText("abc def ghi", 8));
    EXPECT_EQ("abcdefghijklmnop", WrapText("abcdefghijklmnop", 5));
    EXPECT_EQ("short", WrapText("short", 10));
    EXPECT_EQ("a b c", WrapText("a b c", 0));
    EXPECT_EQ("a b c", WrapText("a b c", -3));
    // The LF of a break counts as a character of the next window.
    EXPECT_EQ("one two\r\nthree\r\nfour", WrapText("one two three four", 8));
    // A window without a space stops wrapping; the rest stays on one line.
    EXPECT_EQ("ab\r\ncdefghijkl mn", WrapText("ab cdefghijkl mn", 4));
}

TEST(TextRoutines, WrappedLinesFitTheWidthWhenWordsDo) {
    std::string text = "the quick brown fox jumps over the lazy dog again and again";
    std::string wrapped = WrapText(text, 12);
    std::size_t start = 0;
    while (start <= wrapped.size()) {
        std::size_t end = wrapped.find("\r\n", start);
        std::string line = wrapped.substr(start, end == std::string::npos ? std::string::npos : end - start);
        EXPECT_LE(line.size(), 12u) << line;
        if (end == std::string::npos) break;
        start = end + 2;
    }
    std::string rejoined = wrapped;
    for (std::size_t at; (at = rejoined.find("\r\n")) != std::string::npos;) rejoined.replace(at, 2, " ");
    EXPECT_EQ(text, rejoined);
}

TEST(TextRoutines, ReadsAsNumberTakesPlainDecimalTextOnly) {
    double v = 0;
    EXPECT_TRUE(ReadsAsNumber("7", &v));
    EXPECT_EQ(7, v);
    EXPECT_TRUE(ReadsAsNumber(" -1 ", &v));
    EXPECT_EQ(-1, v);
    EXPECT_TRUE(ReadsAsNumber("+2.5", &v));
    EXPECT_EQ(2.5, v);
    EXPECT_TRUE(ReadsAsNumber(".5", &v));
    EXPECT_TRUE(ReadsAsNumber("1e3", &v));
    EXPECT_EQ(1000, v);
    EXPECT_FALSE(ReadsAsNumber(""));
    EXPECT_FALSE(ReadsAsNumber("-"));
    EXPECT_FALSE(ReadsAsNumber("."));
    EXPECT_FALSE(ReadsAsNumber("1e"));
    EXPECT_FALSE(ReadsAsNumber("12/7/2026"));
    EXPECT_FALSE(ReadsAsNumber("1-2"));
    EXPECT_FALSE(ReadsAsNumber("monday"));
    EXPECT_FALSE(ReadsAsNumber("7 days"));
}
