// Window-title patterns used to find Task Manager windows.
#include <gtest/gtest.h>

#include <string>

#include "runner/lockdown/title_pattern.h"

TEST(TitlePatternTest, LiteralTitlesMatchWhole) {
    EXPECT_TRUE(TitleMatchesPattern("TASK MANAGER", "TASK MANAGER"));
    EXPECT_FALSE(TitleMatchesPattern("MY TASK MANAGER NOTES", "TASK MANAGER"));
    EXPECT_FALSE(TitleMatchesPattern("TASK MANAGE", "TASK MANAGER"));
    EXPECT_FALSE(TitleMatchesPattern("", "TASK MANAGER"));
    EXPECT_TRUE(TitleMatchesPattern("", ""));
    EXPECT_FALSE(TitleMatchesPattern("x", ""));
}

TEST(TitlePatternTest, Wildcards) {
    EXPECT_TRUE(TitleMatchesPattern("Report - Notepad", "* - Notepad"));
    EXPECT_TRUE(TitleMatchesPattern("a", "*"));
    EXPECT_TRUE(TitleMatchesPattern("", "*"));
    EXPECT_TRUE(TitleMatchesPattern("abcabd", "*ab?"));
    EXPECT_TRUE(TitleMatchesPattern("aXc", "a?c"));
    EXPECT_FALSE(TitleMatchesPattern("ac", "a?c"));
    EXPECT_TRUE(TitleMatchesPattern("Room 42", "Room ##"));
    EXPECT_FALSE(TitleMatchesPattern("Room 4x", "Room ##"));
    EXPECT_TRUE(TitleMatchesPattern("mississippi", "m*iss*pi"));
    EXPECT_FALSE(TitleMatchesPattern("mississippi", "m*iss*px"));
}

TEST(TitlePatternTest, BracketedLists) {
    EXPECT_TRUE(TitleMatchesPattern("cat", "[bc]at"));
    EXPECT_FALSE(TitleMatchesPattern("rat", "[bc]at"));
    EXPECT_TRUE(TitleMatchesPattern("rat", "[!bc]at"));
    EXPECT_TRUE(TitleMatchesPattern("Q7", "[A-Z][0-9]"));
    EXPECT_FALSE(TitleMatchesPattern("q7", "[A-Z][0-9]"));
    EXPECT_TRUE(TitleMatchesPattern("*", "[*]"));
    EXPECT_TRUE(TitleMatchesPattern("a-", "a[-]"));
    // An unclosed list is a literal bracket.
    EXPECT_TRUE(TitleMatchesPattern("[abc", "[abc"));
}

TEST(TitlePatternTest, LongTitlesStayFast) {
    const std::string title(100000, 'a');
    EXPECT_FALSE(TitleMatchesPattern(title, "*a*a*a*a*b"));
    EXPECT_TRUE(TitleMatchesPattern(title + "b", "*a*a*a*a*b"));
}
