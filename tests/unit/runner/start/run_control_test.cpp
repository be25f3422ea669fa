// The run decision: which settings apply and whether the declaration is due.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "runner/start/command_line.h"
#include "runner/start/run_control.h"
#include "shared/file_operations.h"
#include "shared/file_routines.h"
#include "shared/sha256.h"
#include "shared/text_routines.h"
#include "support/fake_calendar.h"
#include "support/temp_folder.h"
#ifdef _WIN32
#include "shared/calendar_win32.h"
#endif

namespace {

// Runs each case with a fixed calendar and, on Windows, with the system's
// own clock and regional settings.
std::unique_ptr<Calendar> MakeCalendar(const std::string& kind) {
#ifdef _WIN32
    if (kind == "system") return std::make_unique<Win32Calendar>();
#endif
    (void)kind;
    return std::make_unique<FakeCalendar>(CivilDate{2026, 12, 7});  // a Monday
}

class RunControlTest : public ::testing::TestWithParam<std::string> {
protected:
    std::unique_ptr<Calendar> clock = MakeCalendar(GetParam());
    const Calendar& calendar = *clock;
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
    std::string Format(const CivilDate& date) { return FormatShortDate(date, calendar); }
    std::string Date(int offsetDays) { return Format(AddDays(calendar.Today(), offsetDays)); }
    std::string DayName(int offsetDays, bool abbreviated) {
        return calendar.DayName(WeekdayOf(AddDays(calendar.Today(), offsetDays)), abbreviated);
    }
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

TEST_P(RunControlTest, ProfileUserComesFromCommandLineOrLogon) {
    Settings("");
    EXPECT_EQ(Start("-U anna").ProfileUserName(), "anna");
    EXPECT_EQ(Start("").ProfileUserName(), "");  // "Single User Logon" missing means yes
    Settings("Single User Logon= NO ,note\r\n");
    EXPECT_EQ(Start("").ProfileUserName(), "winuser");
    EXPECT_EQ(Start("-Ubob").ProfileUserName(), "bob");
    const RunControl run = Start("-U jsmith.ini");
    EXPECT_EQ(FileNameOf(run.ProfileFilePath()), "jsmith.ini");
}

TEST_P(RunControlTest, ProfileIsMergedOverMainSettings) {
    Settings("Declaration Period Days=7\r\nMessage=main\r\n");
    Profile("anna", "Message=mine\r\nVoice=x\r\n");
    const RunControl run = Start("-U anna");
    EXPECT_EQ(GetSettingValue("Message", run.Settings), "mine");
    EXPECT_EQ(GetSettingValue("Voice", run.Settings), "x");
    EXPECT_EQ(GetSettingValue("Declaration Period Days", run.UserSettings), "");
    EXPECT_EQ(GetSettingValue("Message", run.UserSettings), "mine");
    EXPECT_EQ(FileNameOf(run.SettingsFilePath), "anna.ini");
}

TEST_P(RunControlTest, ScreenSaverFileLoadsOverMainFileByPosition) {
    Settings("Message=main\r\nCaption=main\r\nLate=kept\r\n");
    WriteFile("ScreenSaver.ini", "Message=saver\r\n");
    const RunControl run = Start("/s");
    EXPECT_TRUE(run.IsScreenSaverMode());
    EXPECT_EQ(GetSettingValue("Message", run.Settings), "saver");
    EXPECT_EQ(GetSettingValue("Caption", run.Settings), "main");
    EXPECT_EQ(GetSettingValue("Late", run.Settings), "kept");
}

TEST_P(RunControlTest, WithoutProfileUserPeriodDecidesAlone) {
    EXPECT_FALSE(DueFor("7"));
    EXPECT_TRUE(DueFor("0"));
    EXPECT_TRUE(DueFor("-1"));
    EXPECT_TRUE(DueFor("-4"));
    EXPECT_FALSE(DueFor("-2"));
    EXPECT_FALSE(DueFor("-3"));
    Settings("");
    EXPECT_TRUE(Start("").IsDeclarationDue());  // no settings at all: period 0
}

TEST_P(RunControlTest, PeriodCountsDaysSinceLastRun) {
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

TEST_P(RunControlTest, OnceShowsUntilAcceptedThenNeverAgain) {
    Settings("Declaration Period Days=-1\r\n");
    Profile("anna", "Keep=me\r\n");
    RunControl run = Start("-U anna");
    EXPECT_TRUE(run.IsDeclarationDue());
    run.UpdateLastRun();
    const std::string profile = ReadFile("Profiles/anna.ini");
    EXPECT_EQ(profile, "Keep=me\r\nLast Run=" + Format(AddYears(calendar.Today(), 99)) + "\r\n");
    EXPECT_FALSE(Start("-U anna").IsDeclarationDue());
}

TEST_P(RunControlTest, MinusThreeRecordsTheRunWithoutShowing) {
    Settings("Declaration Period Days=-3\r\n");
    Profile("anna", "Last Run=1/1/2000\r\n");
    EXPECT_FALSE(Start("-U anna").IsDeclarationDue());
    EXPECT_EQ(ReadFile("Profiles/anna.ini"), "Last Run=" + Date(0) + "\r\n");
}

TEST_P(RunControlTest, ProfileIsSavedOnlyForAUserAndItsFolderIsMade) {
    Settings("Declaration Period Days=7\r\n");
    RunControl run = Start("");
    run.UpdateLastRun();
    EXPECT_FALSE(run.SaveProfileSettings());
    EXPECT_FALSE(FileExists(JoinPath(folder.Path(), "Profiles/.ini")));
    EXPECT_FALSE(FolderExists(JoinPath(folder.Path(), "Profiles")));

    // A site that never made the profiles folder must not see the
    // declaration at every logon because the date could not be stored.
    RunControl named = Start("-U nobody");
    named.UpdateLastRun();
    EXPECT_EQ(ReadFile("Profiles/nobody.ini"), "Last Run=" + Date(0) + "\r\n");
    SetSettingValue("Speaker Volume", "4", named.UserSettings);
    EXPECT_TRUE(named.SaveProfileSettings());
    EXPECT_EQ(ReadFile("Profiles/nobody.ini"), "Last Run=" + Date(0) + "\r\nSpeaker Volume=4\r\n");
}

TEST_P(RunControlTest, WeekdayNamesMatchTodayOnly) {
    EXPECT_TRUE(DueFor(ToLower(DayName(0, false))));
    EXPECT_TRUE(DueFor(DayName(0, false)));  // the item is lower-cased first
    // An abbreviation counts when it is the first three letters of the name
    // (English "Mon"); German "Mo." is a weekday name that never matches.
    const std::string shortName = ToLower(DayName(0, true));
    EXPECT_EQ(DueFor(shortName), shortName == ToLower(DayName(0, false)).substr(0, 3));
    EXPECT_FALSE(DueFor(DayName(1, false)));
    EXPECT_FALSE(DueFor(DayName(-1, true)));
}

TEST_P(RunControlTest, DatesAndRangesIncludeBothEnds) {
    EXPECT_TRUE(DueFor(Date(0)));
    EXPECT_FALSE(DueFor(Date(1)));
    EXPECT_TRUE(DueFor(Date(-3) + "-" + Date(0)));
    EXPECT_TRUE(DueFor(Date(0) + "-" + Date(3)));
    EXPECT_FALSE(DueFor(Date(1) + "-" + Date(3)));
    EXPECT_FALSE(DueFor(Date(-3) + "-" + Date(-1)));
    EXPECT_FALSE(DueFor("2026-12-01-2026-12-31"));  // dates written with "-" never match
    EXPECT_FALSE(DueFor("x-y"));
}

TEST_P(RunControlTest, ScreenSaverIgnoresLastRunButKeepsTheProfile) {
    Settings("Declaration Period Days=7\r\nSingle User Logon=no\r\n");
    Profile("winuser", "Last Run=" + Date(-1) + "\r\nSpeaker Voice=Anna\r\n");
    RunControl run = Start("/s");
    EXPECT_TRUE(run.IsDeclarationDue());
    EXPECT_EQ(GetSettingValue("Speaker Voice", run.Settings), "");  // not merged
    run.UpdateLastRun();
    EXPECT_EQ(ReadFile("Profiles/winuser.ini"), "Last Run=" + Date(0) + "\r\nSpeaker Voice=Anna\r\n");
}

// A profile name that cannot name one file in "Profiles" ("..\\..\\x" would
// write two folders up, "com1" opens a serial port) reads and writes no file:
// the user is treated as one without a profile.
TEST_P(RunControlTest, NameThatIsNoFileNameHasNoProfile) {
    Settings("Declaration Period Days=7\r\n");
    folder.MakeFolder("Profiles");
    for (const char* name : {"..\\..\\x", "../x", "a/b", "com1", "AUX.txt", "x.", "..", "a:b"}) {
        RunControl run = Start(std::string("-U ") + name);
        EXPECT_EQ(run.ProfileUserName(), name);
        EXPECT_EQ(run.ProfileFilePath(), "") << name;
        EXPECT_TRUE(run.IsDeclarationDue()) << name;  // as for a user never seen
        run.UpdateLastRun();
        EXPECT_FALSE(run.SaveProfileSettings()) << name;
    }
    EXPECT_EQ(folder.FileNames(), (std::vector<std::string>{"Profiles", "Tessarin.ini"}));
    EXPECT_TRUE(FileNamesIn(JoinPath(folder.Path(), "Profiles")).empty());
}

// "Single User Logon" set only in "ScreenSaver.ini": the user is worked out
// after that file, so the profile that is saved is the one that was loaded.
TEST_P(RunControlTest, ScreenSaverFileChoosesTheUserBeforeTheProfileIsRead) {
    Settings("Declaration Period Days=7\r\n");
    WriteFile("ScreenSaver.ini", "Single User Logon=No\r\n");
    Profile("winuser", "Keep=me\r\nLast Run=1/1/2020\r\n");
    RunControl run = Start("/s");
    EXPECT_EQ(run.ProfileUserName(), "winuser");
    run.UpdateLastRun();
    EXPECT_EQ(ReadFile("Profiles/winuser.ini"), "Keep=me\r\nLast Run=" + Date(0) + "\r\n");
}

// "Reaccept On Change": today's document against the one last accepted. The
// document is read only when the period alone says "not due".
TEST_P(RunControlTest, ChangedDocumentIsDueAgainReadOnlyWhenNeeded) {
    WriteFile("policy.html", "<p>Version one</p>");
    const std::string same = FileSha256Hex(JoinPath(folder.Path(), "policy.html"));
    const std::string other = Sha256Hex("<p>Version zero</p>");
    const std::string tomorrow = DayName(1, false);
    struct Case {
        const char* period;
        int lastRun;           // days from today
        const char* reaccept;  // null: no such line
        std::string stored;    // "Accepted Document"
        bool document;         // today's document can be read
        bool due;
        int reads;
    } cases[] = {
        {"7", -1, "Yes", same, true, false, 1},   {"7", -1, "yes , note", same.substr(0, 10) + "x", true, true, 1},
        {"7", -1, "Yes", "", true, true, 1},       // never accepted with a fingerprint
        {"7", -1, "Yes", other, false, false, 1},  // missing document: nothing new
        {"7", -1, "No", other, true, false, 0},   {"7", -1, nullptr, other, true, false, 0},
        {"7", -1, "", other, true, false, 0},     {"7", -8, "Yes", same, true, true, 0},  // due by the period alone
        {"-2", -1, "Yes", other, true, false, 0}, {"-3", -1, "Yes", other, true, false, 0},
        {"-4", -1, "Yes", same, true, true, 0},   {tomorrow.c_str(), -1, "Yes", other, true, true, 1},
    };
    for (const Case& c : cases) {
        std::string main = std::string("Declaration Period Days=") + c.period + "\r\n";
        if (c.reaccept) main += std::string("Reaccept On Change=") + c.reaccept + "\r\n";
        Settings(main);
        Profile("anna", "Last Run=" + Date(c.lastRun) + "\r\nAccepted Document=" + c.stored + "\r\n");
        RunControl run = Start("-U anna");
        int reads = 0;
        run.SetDocumentFingerprint([&] {
            ++reads;
            return c.document ? FileSha256Hex(JoinPath(folder.Path(), "policy.html")) : std::string();
        });
        SCOPED_TRACE(std::string(c.period) + " " + (c.reaccept ? c.reaccept : "(none)") + " " + c.stored);
        EXPECT_EQ(run.IsDeclarationDue(), c.due);
        EXPECT_EQ(reads, c.reads);
    }
}

// Accepting stores the fingerprint with the date; a new text brings the
// declaration back, and without the setting nothing is stored.
TEST_P(RunControlTest, AcceptedDocumentIsStoredAndComparedAtTheNextStart) {
    const std::string document = JoinPath(folder.Path(), "policy.html");
    const auto fingerprint = [&] { return FileSha256Hex(document); };
    for (const bool reaccept : {true, false}) {
        WriteFile("policy.html", "<p>Version one</p>");
        Settings(std::string("Declaration Period Days=30\r\nReaccept On Change=") + (reaccept ? "Yes" : "No") + "\r\n");
        Profile("anna", "Keep=me\r\n");
        RunControl run = Start("-U anna");
        run.RecordAcceptedDocument(document);
        run.UpdateLastRun();
        EXPECT_EQ(ReadFile("Profiles/anna.ini"),
                  "Keep=me\r\n" + (reaccept ? "Accepted Document=" + fingerprint() + "\r\n" : std::string()) +
                      "Last Run=" + Date(0) + "\r\n");
        RunControl again = Start("-U anna");
        again.SetDocumentFingerprint(fingerprint);
        EXPECT_FALSE(again.IsDeclarationDue());
        WriteFile("policy.html", "<p>Version two</p>");
        RunControl changed = Start("-U anna");
        changed.SetDocumentFingerprint(fingerprint);
        EXPECT_EQ(changed.IsDeclarationDue(), reaccept);
    }
}

#ifdef _WIN32
INSTANTIATE_TEST_SUITE_P(Calendars, RunControlTest, ::testing::Values("fixed", "system"));
#else
INSTANTIATE_TEST_SUITE_P(Calendars, RunControlTest, ::testing::Values("fixed"));
#endif

}  // namespace
