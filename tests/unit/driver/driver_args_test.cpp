// The UI driver's command line: sequences, arguments, options and the usage errors.
#include <gtest/gtest.h>

#include "tests/driver/driver_args.h"

namespace {

DriverCommandLine Parse(std::vector<std::string> args) { return ParseDriverCommandLine(args); }

TEST(DriverArgs, SplitsASequenceIntoCommandsWithTheirOptions) {
    auto line = Parse({"wait-window", "--exe", "Tessarin.exe", "--timeout", "500", "click", "--text", "OK", "get-text",
                       "--id", "103"});
    ASSERT_EQ("", line.error);
    ASSERT_EQ(3u, line.commands.size());
    EXPECT_EQ("wait-window", line.commands[0].name);
    EXPECT_EQ("Tessarin.exe", line.commands[0].Get("exe"));
    EXPECT_EQ("500", line.commands[0].Get("timeout"));
    EXPECT_EQ("OK", line.commands[1].Get("text"));
    EXPECT_FALSE(line.commands[1].Has("exe"));
    EXPECT_EQ("103", line.commands[2].Get("id"));
}

TEST(DriverArgs, PlainArgumentsAreTakenEvenWhenTheyLookLikeCommands) {
    auto line = Parse({"type", "--id", "5", "list", "get-text", "--id", "5"});
    ASSERT_EQ("", line.error);
    ASSERT_EQ(2u, line.commands.size());
    EXPECT_EQ(std::vector<std::string>{"list"}, line.commands[0].arguments);
    EXPECT_EQ("get-text", line.commands[1].name);
}

TEST(DriverArgs, OptionsMayFollowTheArgumentsAndNumbersMayBeNegative) {
    auto line = Parse({"key", "F2", "--post", "move-mouse", "-5", "-10", "type", "--clear", "hello", "--input"});
    ASSERT_EQ("", line.error);
    ASSERT_EQ(3u, line.commands.size());
    EXPECT_TRUE(line.commands[0].Has("post"));
    EXPECT_EQ((std::vector<std::string>{"-5", "-10"}), line.commands[1].arguments);
    EXPECT_EQ(std::vector<std::string>{"hello"}, line.commands[2].arguments);
    EXPECT_TRUE(line.commands[2].Has("clear"));
    EXPECT_TRUE(line.commands[2].Has("input"));
}

TEST(DriverArgs, UsageErrorsNameTheProblem) {
    EXPECT_NE(std::string::npos, Parse({"frobnicate"}).error.find("unknown command"));
    EXPECT_NE(std::string::npos, Parse({"click", "--code", "3"}).error.find("unknown option --code"));
    EXPECT_NE(std::string::npos, Parse({"wait-window", "--title"}).error.find("needs a value"));
    EXPECT_NE(std::string::npos, Parse({"wait-exit", "--pid", "12x"}).error.find("not a number"));
    EXPECT_NE(std::string::npos, Parse({"click", "--text", "OK", "--id", "1"}).error.find("not both"));
    EXPECT_NE(std::string::npos, Parse({"type", "--id", "1"}).error.find("expects 1 argument"));
    EXPECT_NE(std::string::npos, Parse({"move-mouse", "1"}).error.find("expects 2"));
    EXPECT_NE(std::string::npos, Parse({"click", "--id", "1", "--at", "12"}).error.find("--at is not X,Y"));
    EXPECT_EQ("no command given", Parse({}).error);
    // A flag given a value leaves the value to be read as the next command.
    EXPECT_NE(std::string::npos, Parse({"list", "--hidden", "yes"}).error.find("unknown command: yes"));
}

TEST(DriverArgs, ClickPointsAreTwoNumbers) {
    auto line = Parse({"click", "--id", "100", "--at", "30,12"});
    ASSERT_EQ("", line.error);
    long long x = 0, y = 0;
    EXPECT_TRUE(ParsePoint(line.commands[0].Get("at"), x, y));
    EXPECT_EQ(30, x);
    EXPECT_EQ(12, y);
    EXPECT_FALSE(ParsePoint("30;12", x, y));
    EXPECT_FALSE(ParsePoint("30,", x, y));
    EXPECT_FALSE(ParsePoint("x,1", x, y));
}

TEST(DriverArgs, NumbersAreWholeDecimalOrHex) {
    long long value = 0;
    EXPECT_TRUE(ParseNumber("0x1A2B", value));
    EXPECT_EQ(0x1A2B, value);
    EXPECT_TRUE(ParseNumber("-42", value));
    EXPECT_EQ(-42, value);
    EXPECT_FALSE(ParseNumber("", value));
    EXPECT_FALSE(ParseNumber("12 ", value));
    EXPECT_FALSE(ParseNumber("ten", value));
    EXPECT_FALSE(ParseNumber("99999999999999999999", value));
}

TEST(DriverArgs, OnlyWindowOptionsChooseAWindow) {
    auto line = Parse({"get-text", "--timeout", "5", "--id", "3", "list", "--hwnd", "0x10"});
    ASSERT_EQ("", line.error);
    EXPECT_FALSE(HasWindowSelector(line.commands[0]));
    EXPECT_TRUE(HasWindowSelector(line.commands[1]));
}

}  // namespace
