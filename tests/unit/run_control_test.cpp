// The run decision: which settings apply and whether the declaration is due.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "runner/command_line.h"
#include "runner/run_control.h"
#include "shared/file_routines.h"
#include "support/test_calendar.h"
#include "support/temp_folder.h"

namespace {

class RunControlTest : public ::testing::Test {
protected:
    // Monday 7 December 2026.
    TestCalendar calendar{CivilDate{2026, 12, 7}};
    TempFolder folder;
    std::string logonUser = "winuser";

    void WriteFile(const std::string& relative, const std::string& text) {
        std::ofstream(JoinPath(folder.Path(), relative), std::ios::binary) << text;
    }
    std::string ReadFile(const std::string& relative) {
        std::ifstream in(JoinPath(folder.Path(), relative), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    RunControl Start(const std::string& commandLine) {
        RunControl run(commandLine, folder.Path(), calendar, [this] { return logonUser; });
        run.LoadSettings();
        return run;
    }
    void Settings(const std::string& text) { WriteFile("Tessarin.ini", text); }
    void Profile(const std::string& user, const std::string& text) {
        folder.MakeFolder("Profiles");
        WriteFile("Profiles/" + user + ".ini", text);
    }
    std::string Date(int offsetDays) { return calendar.Format(AddDays(calendar.Today(), offsetDays)); }
    bool DueFor(const std::string& period, const std::string& commandLine = "") {
        Settings("Declaration Period Days=" + period + "\r\n");
        return Start(commandLine).IsDeclarationDue();
    }
};

TEST(CommandLineTest, MarkersAreCaseSensitivePlainText) {
    EXPECT_TRUE(HasScreenSaverMarker("/s"));
    EXPECT_TRUE(HasScreenSaverMarker("x /s:123"));
    EXPECT_FALSE(HasScreenSaverMarker("/S"));
    EXPECT_EQ(CommandLineUserName("-U anna"), "anna");
    EXPECT_EQ(CommandLineUserName("-Uanna"), "anna");
    EXPECT_EQ(CommandLineUserName("/x -U  anna smith  "), "anna smith");
    EXPECT_EQ(CommandLineUserName("-u anna"), "");
    EXPECT_EQ(CommandLineUserName(""), "");
    EXPECT_EQ(CommandLineUserName(std::string(32768, 'x') + "-U bob"), "bob");
}

TEST_F(RunControlTest, ProfileUserComesFromCommandLineOrLogon) {
    Settings("");
    EXPECT_EQ(Start("-U anna").ProfileUserName(), "anna");
    EXPECT_EQ(Start("").ProfileUserName(), "");  // "Single User Logon" missing means yes
    Settings("Single User Logon= NO ,note\r\n");
    EXPECT_EQ(Start("").ProfileUserName(), "winuser");
    EXPECT_EQ(Start("-Ubob").ProfileUserName(), "bob");
    const RunControl run = Start("-U jsmith.ini");
    EXPECT_EQ(FileNameOf(run.ProfileFilePath()), "jsmith.ini");
}

TEST_F(RunControlTest, ProfileIsMergedOverMainSettings) {
    Settings("Declaration Period Days=7\r\nMessage=main\r\n");
    Profile("anna", "Message=mine\r\nVoice=x\r\n");
    const RunControl run = Start("-U anna");
    EXPECT_EQ(GetSettingValue("Message", run.Settings), "mine");
    EXPECT_EQ(GetSettingValue("Voice", run.Settings), "x");
    EXPECT_EQ(GetSettingValue("Declaration Period Days", run.UserSettings), "");
    EXPECT_EQ(GetSettingValue("Message", run.UserSettings), "mine");
    EXPECT_EQ(FileNameOf(run.SettingsFilePath), "anna.ini");
}

TEST_F(RunControlTest, ScreenSaverFileLoadsOverMainFileByPosition) {
    Settings("Message=main\r\nCaption=main\r\nLate=kept\r\n");
    WriteFile("ScreenSaver.ini", "Message=saver\r\n");
    const RunControl run = Start("/s");
    EXPECT_TRUE(run.IsScreenSaverMode());
    EXPECT_EQ(GetSettingValue("Message", run.Settings), "saver");
    EXPECT_EQ(GetSettingValue("Caption", run.Settings), "main");
    EXPECT_EQ(GetSettingValue("Late", run.Settings), "kept");
}

TEST_F(RunControlTest, WithoutProfileUserPeriodDecidesAlone) {
    EXPECT_FALSE(DueFor("7"));
    EXPECT_TRUE(DueFor("0"));
    EXPECT_TRUE(DueFor("-1"));
    EXPECT_TRUE(DueFor("-4"));
    EXPECT_FALSE(DueFor("-2"));
    EXPECT_FALSE(DueFor("-3"));
    Settings("");
    EXPECT_TRUE(Start("").IsDeclarationDue());  // no settings at all: period 0
}

TEST_F(RunControlTest, PeriodCountsDaysSinceLastRun) {
    Profile("anna", "Last Run=" + Date(-6) + "\r\n");
    EXPECT_FALSE(DueFor("7", "-U anna"));
    Profile("anna", "Last Run=" + Date(-7) + "\r\n");
    EXPECT_TRUE(DueFor("7", "-U anna"));
    Profile("anna", "Last Run=" + Date(1) + "\r\n");
    EXPECT_FALSE(DueFor("7", "-U anna"));
    Profile("anna", "Other=1\r\n");
    EXPECT_TRUE(DueFor("7", "-U anna"));  // first run
    Profile("anna", "Last Run=not a date\r\n");
    EXPECT_TRUE(DueFor("7", "-U anna"));
    EXPECT_TRUE(DueFor("0", "-U anna"));  // unreadable last run is today
    EXPECT_TRUE(DueFor("7 , days between showings", "-U anna"));
}

TEST_F(RunControlTest, OnceShowsUntilAcceptedThenNeverAgain) {
    Settings("Declaration Period Days=-1\r\n");
    Profile("anna", "Keep=me\r\n");
    RunControl run = Start("-U anna");
    EXPECT_TRUE(run.IsDeclarationDue());
    run.UpdateLastRun();
    const std::string profile = ReadFile("Profiles/anna.ini");
    EXPECT_EQ(profile, "Keep=me\r\nLast Run=" + calendar.Format(AddYears(calendar.Today(), 99)) + "\r\n");
    EXPECT_FALSE(Start("-U anna").IsDeclarationDue());
}

TEST_F(RunControlTest, MinusThreeRecordsTheRunWithoutShowing) {
    Settings("Declaration Period Days=-3\r\n");
    Profile("anna", "Last Run=1/1/2000\r\n");
    EXPECT_FALSE(Start("-U anna").IsDeclarationDue());
    EXPECT_EQ(ReadFile("Profiles/anna.ini"), "Last Run=" + Date(0) + "\r\n");
}

TEST_F(RunControlTest, UpdateLastRunNeedsAProfileUserAndAFolder) {
    Settings("Declaration Period Days=7\r\n");
    RunControl run = Start("");
    run.UpdateLastRun();
    EXPECT_FALSE(FileExists(JoinPath(folder.Path(), "Profiles/.ini")));
    RunControl named = Start("-U nobody");  // no Profiles folder: the save fails quietly
    named.UpdateLastRun();
    EXPECT_FALSE(FileExists(named.ProfileFilePath()));
}

TEST_F(RunControlTest, WeekdayNamesMatchTodayOnly) {
    EXPECT_TRUE(DueFor("monday"));
    EXPECT_TRUE(DueFor("Monday"));
    EXPECT_TRUE(DueFor("MON"));
    EXPECT_FALSE(DueFor("tuesday"));
    EXPECT_FALSE(DueFor("sun"));
}

TEST_F(RunControlTest, DatesAndRangesIncludeBothEnds) {
    EXPECT_TRUE(DueFor(Date(0)));
    EXPECT_FALSE(DueFor(Date(1)));
    EXPECT_TRUE(DueFor(Date(-3) + "-" + Date(0)));
    EXPECT_TRUE(DueFor(Date(0) + "-" + Date(3)));
    EXPECT_FALSE(DueFor(Date(1) + "-" + Date(3)));
    EXPECT_FALSE(DueFor(Date(-3) + "-" + Date(-1)));
    EXPECT_FALSE(DueFor("2026-12-01-2026-12-31"));  // dates written with "-" never match
    EXPECT_FALSE(DueFor("x-y"));
}

TEST_F(RunControlTest, ScreenSaverIgnoresLastRunButKeepsTheProfile) {
    Settings("Declaration Period Days=7\r\nSingle User Logon=no\r\n");
    Profile("winuser", "Last Run=" + Date(-1) + "\r\nSpeaker Voice=Anna\r\n");
    RunControl run = Start("/s");
    EXPECT_TRUE(run.IsDeclarationDue());
    EXPECT_EQ(GetSettingValue("Speaker Voice", run.Settings), "");  // not merged
    run.UpdateLastRun();
    EXPECT_EQ(ReadFile("Profiles/winuser.ini"),
              "Last Run=" + Date(0) + "\r\nSpeaker Voice=Anna\r\n");
}

}  // namespace
