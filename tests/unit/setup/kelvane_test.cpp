#include "setup/kelvane.h"

#include <gtest/gtest.h>

#include "support/fake_kelvane_system.h"
#include "support/memory_registry.h"

namespace {

const char kRun[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kValue[] = "LoGonWindow";
const char kProgram[] = "C:\\Apps\\Tessarin.exe";
const char kLogs[] = "C:\\Logs\\";
const char kLogFile[] = "C:\\Logs\\alice_TsrChk.log";
const char kNotSetUpEmpty[] = "Tessarin has not been set up as  cannot be seen.";

class KelvaneTest : public ::testing::Test {
protected:
    KelvaneTest() { system.Files.insert(kProgram); }

    int Run(const std::string& commandText) { return RunKelvane(registry, system, commandText); }

    std::string Stored(RegHive hive) { return RegGetString(registry, hive, kRun, kValue, "<none>"); }

    // The one line of a written log, as "user,time,outcome" with CR LF.
    static std::string Line(const std::string& outcome) { return "alice,12/7/2026 9:05:00 AM," + outcome + "\r\n"; }

    MemoryRegistry registry;
    FakeKelvaneSystem system;
};

}  // namespace

TEST(KelvaneHelp, ElevenLinesJoinedByCrLf) {
    const std::string text = KelvaneHelpText();
    std::vector<std::string> lines;
    std::string::size_type start = 0, end;
    while ((end = text.find("\r\n", start)) != std::string::npos) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    lines.push_back(text.substr(start));
    ASSERT_EQ(11u, lines.size());
    EXPECT_EQ("Program Syntax: Kelvane [Configuation Option],[Check Log File]", lines[0]);
    EXPECT_EQ("Configuation Options: [Tessarin Program][None]", lines[1]);
    EXPECT_EQ("", lines[2]);
    EXPECT_EQ("eg. Set up Tessarin ", lines[3]);
    EXPECT_EQ("Kelvane.exe Z:\\CompanyFiles\\Apps\\Tessarin.exe, Z:\\CompanyFiles\\Users\\Tessarin\\[Tessarin.log]",
              lines[4]);
    EXPECT_EQ("", lines[5]);
    EXPECT_EQ("eg. Remove Tessarin ", lines[6]);
    EXPECT_EQ("Kelvane.exe None, Z:\\CompanyFiles\\Users\\Tessarin\\", lines[7]);
    EXPECT_EQ("", lines[8]);
    EXPECT_EQ("eg. Check Tessarin ", lines[9]);
    EXPECT_EQ("Kelvane.exe , Z:\\CompanyFiles\\Users\\Tessarin\\", lines[10]);
    EXPECT_EQ(std::string::npos, text.find('\n', text.size() - 1));  // no line end after the last
}

TEST_F(KelvaneTest, HelpRequestsShowTheBoxAndWriteNoLog) {
    for (const char* line : {"", "/h", "/H", "/H,C:\\Logs\\", "/h,C:\\Logs\\,2"}) {
        system.Shown.clear();
        EXPECT_EQ(kExitHelp, Run(line)) << line;
        ASSERT_EQ(1u, system.Shown.size()) << line;
        EXPECT_FALSE(system.Shown[0].Critical);
        EXPECT_EQ("Tessarin PC Configuration Check", system.Shown[0].Title);
        EXPECT_EQ(KelvaneHelpText(), system.Shown[0].Text);
    }
    EXPECT_TRUE(system.Written.empty());
    EXPECT_FALSE(registry.KeyExists(kHkeyCurrentUser, kRun));
}

TEST_F(KelvaneTest, SetUpWithoutCommaUsesCurrentUserAndTheCurrentFolder) {
    EXPECT_EQ(kExitDone, Run(kProgram));
    EXPECT_EQ(kProgram, Stored(kHkeyCurrentUser));
    EXPECT_EQ("<none>", Stored(kHkeyLocalMachine));
    ASSERT_EQ(1u, system.Written.size());
    EXPECT_EQ(Line(kProgram), system.Written[".\\alice_TsrChk.log"]);
    EXPECT_TRUE(system.Shown.empty());
}

TEST_F(KelvaneTest, SetUpTrimsTheProgramPathAndLogsInTheFolder) {
    EXPECT_EQ(kExitDone, Run(std::string("  ") + kProgram + " , C:\\Logs\\"));
    EXPECT_EQ(kProgram, Stored(kHkeyCurrentUser));
    EXPECT_EQ(Line(kProgram), system.Written[kLogFile]);  // leading blank of the folder trimmed
}

TEST_F(KelvaneTest, SetUpUnderTheSelectedRoot) {
    EXPECT_EQ(kExitDone, Run(std::string(kProgram) + "," + kLogs + ",2"));
    EXPECT_EQ(kProgram, Stored(kHkeyLocalMachine));
    EXPECT_EQ("<none>", Stored(kHkeyCurrentUser));
    for (const char* selector : {",7", ",letters", ","}) {
        MemoryRegistry fresh;
        EXPECT_EQ(kExitDone, RunKelvane(fresh, system, std::string(kProgram) + "," + kLogs + selector));
        EXPECT_EQ(kProgram, RegGetString(fresh, kHkeyCurrentUser, kRun, kValue, "")) << selector;
        EXPECT_FALSE(fresh.KeyExists(kHkeyLocalMachine, kRun)) << selector;
    }
}

TEST_F(KelvaneTest, SetUpTwiceLeavesOneValueAndOneLine) {
    Run(std::string(kProgram) + "," + kLogs);
    system.Now = "12/7/2026 9:06:00 AM";
    EXPECT_EQ(kExitDone, Run(std::string(kProgram) + "," + kLogs));
    EXPECT_EQ(kProgram, Stored(kHkeyCurrentUser));
    EXPECT_EQ("alice,12/7/2026 9:06:00 AM,C:\\Apps\\Tessarin.exe\r\n", system.Written[kLogFile]);
}

TEST_F(KelvaneTest, FailedRegistryWriteIsLoggedAsWhatTheRootHolds) {
    // Writing under the local machine without administrator rights.
    registry.DenyWriteAccess(kHkeyLocalMachine, kRun);
    EXPECT_EQ(kExitNotSetUp, Run(std::string(kProgram) + "," + kLogs + ",2"));
    EXPECT_EQ(Line("Tessarin has not been set up as C:\\Apps\\Tessarin.exe cannot be seen."), system.Written[kLogFile]);
    EXPECT_FALSE(registry.ValueExists(kHkeyLocalMachine, kRun, kValue));
    // An older registration there is what the log then names.
    MemoryRegistry older;
    RegSetString(older, kHkeyLocalMachine, kRun, kValue, "D:\\Tessarin\\Tessarin.exe");
    older.DenyWriteAccess(kHkeyLocalMachine, kRun);
    EXPECT_EQ(kExitDone, RunKelvane(older, system, std::string(kProgram) + "," + kLogs + ",2"));
    EXPECT_EQ(Line("D:\\Tessarin\\Tessarin.exe"), system.Written[kLogFile]);
}

TEST_F(KelvaneTest, RemovalDeletesOurEntriesUnderBothRootsOnly) {
    RegSetString(registry, kHkeyCurrentUser, kRun, kValue, "C:\\Apps\\Tessarin.exe");
    RegSetString(registry, kHkeyLocalMachine, kRun, kValue, "D:\\Tessarin\\Tessarin.exe");
    EXPECT_EQ(kExitDone, Run(std::string("None,") + kLogs + ",4"));  // the selector does not matter
    EXPECT_FALSE(registry.ValueExists(kHkeyCurrentUser, kRun, kValue));
    EXPECT_FALSE(registry.ValueExists(kHkeyLocalMachine, kRun, kValue));
    EXPECT_EQ(Line("None"), system.Written[kLogFile]);

    // Paths on Windows have no case: a set-up typed in lower case is ours.
    RegSetString(registry, kHkeyCurrentUser, kRun, kValue, "C:\\Other\\Watcher.exe");
    RegSetString(registry, kHkeyLocalMachine, kRun, kValue, "\"c:\\program files\\tessarin\\tessarin.exe\"");
    EXPECT_EQ(kExitDone, Run("None"));
    EXPECT_EQ("C:\\Other\\Watcher.exe", Stored(kHkeyCurrentUser));
    EXPECT_FALSE(registry.ValueExists(kHkeyLocalMachine, kRun, kValue));
    EXPECT_EQ(Line("None"), system.Written[".\\alice_TsrChk.log"]);
}

TEST_F(KelvaneTest, NoneInOtherCaseIsACheck) {
    RegSetString(registry, kHkeyCurrentUser, kRun, kValue, kProgram);
    EXPECT_EQ(kExitDone, Run(std::string("NONE,") + kLogs));
    EXPECT_EQ(kProgram, Stored(kHkeyCurrentUser));
    EXPECT_EQ(Line(kProgram), system.Written[kLogFile]);
    MemoryRegistry empty;
    EXPECT_EQ(kExitNotSetUp, RunKelvane(empty, system, std::string("none,") + kLogs));
    EXPECT_EQ(Line("Tessarin has not been set up as none cannot be seen."), system.Written[kLogFile]);
}

TEST_F(KelvaneTest, CheckReportsTheStoredRegistrationUnderTheSelectedRoot) {
    RegSetString(registry, kHkeyLocalMachine, kRun, kValue, "D:\\Tessarin\\Tessarin.exe");
    EXPECT_EQ(kExitDone, Run(std::string(",") + kLogs + ",2"));
    EXPECT_EQ(Line("D:\\Tessarin\\Tessarin.exe"), system.Written[kLogFile]);
    EXPECT_EQ(kExitNotSetUp, Run(std::string(", ") + kLogs));  // current user has none
    EXPECT_EQ(Line(kNotSetUpEmpty), system.Written[kLogFile]);
}

TEST_F(KelvaneTest, CheckFindsTheProductInAnyCaseAndIgnoresOtherEntries) {
    RegSetString(registry, kHkeyCurrentUser, kRun, kValue, "C:\\Apps\\TESSARIN.EXE");
    EXPECT_EQ(kExitDone, Run(std::string(",") + kLogs));
    EXPECT_EQ(Line("C:\\Apps\\TESSARIN.EXE"), system.Written[kLogFile]);
    RegSetString(registry, kHkeyCurrentUser, kRun, kValue, "C:\\Apps\\Watcher.exe");
    EXPECT_EQ(kExitNotSetUp, Run(std::string(",") + kLogs));
    EXPECT_EQ(Line(kNotSetUpEmpty), system.Written[kLogFile]);
}

// A path with a blank is registered in quotes (else Windows tries
// "C:\Program.exe" first at every logon); the log names the path itself,
// and a set-up typed in lower case is found by the next check.
TEST_F(KelvaneTest, PathWithBlanksIsQuotedInTheRunValueOnly) {
    const std::string spaced = "c:\\program files\\tessarin\\tessarin.exe";
    system.Files.insert(spaced);
    EXPECT_EQ(kExitDone, Run(spaced + "," + kLogs));
    EXPECT_EQ("\"" + spaced + "\"", Stored(kHkeyCurrentUser));
    EXPECT_EQ(Line(spaced), system.Written[kLogFile]);
    EXPECT_EQ(kExitDone, Run(std::string(",") + kLogs));
    EXPECT_EQ(Line(spaced), system.Written[kLogFile]);
}

TEST_F(KelvaneTest, MissingProgramLeadsToACheckNamingIt) {
    EXPECT_EQ(kExitNotSetUp, Run(std::string("C:\\Gone\\Tessarin.exe,") + kLogs));
    EXPECT_FALSE(registry.KeyExists(kHkeyCurrentUser, kRun));
    EXPECT_EQ(Line("Tessarin has not been set up as C:\\Gone\\Tessarin.exe cannot be seen."), system.Written[kLogFile]);
    RegSetString(registry, kHkeyCurrentUser, kRun, kValue, kProgram);
    EXPECT_EQ(kExitDone, Run(std::string("C:\\Gone\\Tessarin.exe,") + kLogs));
    EXPECT_EQ(Line(kProgram), system.Written[kLogFile]);
}

TEST_F(KelvaneTest, PathsThatNameNoOneFileAreNotSetUp) {
    // Wildcards would match, but would register a Run entry that starts nothing.
    system.Files.insert("C:\\Apps\\*.exe");
    for (const char* path :
         {"C:\\Apps\\*.exe", "C:\\Apps\\Tessarin.ex?", "C:\\Apps\\<Tessarin>|.exe", "\"C:\\Apps\\Tessarin.exe\""}) {
        EXPECT_EQ(kExitNotSetUp, Run(std::string(path) + "," + kLogs)) << path;
        EXPECT_EQ(Line(std::string("Tessarin has not been set up as ") + path + " cannot be seen."),
                  system.Written[kLogFile]);
    }
    EXPECT_FALSE(registry.KeyExists(kHkeyCurrentUser, kRun));
}

TEST_F(KelvaneTest, OversizedSelectorOnlyChecks) {
    EXPECT_EQ(kExitNotSetUp, Run(std::string(kProgram) + "," + kLogs + ",65538"));
    EXPECT_FALSE(registry.KeyExists(kHkeyCurrentUser, kRun));
    EXPECT_FALSE(registry.KeyExists(kHkeyLocalMachine, kRun));
    EXPECT_EQ(Line("Tessarin has not been set up as C:\\Apps\\Tessarin.exe cannot be seen."), system.Written[kLogFile]);

    RegSetString(registry, kHkeyLocalMachine, kRun, kValue, kProgram);
    EXPECT_EQ(kExitNotSetUp, Run(std::string("None,") + kLogs + ",1e9"));
    EXPECT_EQ(kProgram, Stored(kHkeyLocalMachine));  // nothing removed either
}

TEST_F(KelvaneTest, TenThousandCommasAreAPlainCheck) {
    EXPECT_EQ(kExitNotSetUp, Run(std::string(10000, ',')));
    EXPECT_EQ(Line(kNotSetUpEmpty), system.Written[".\\alice_TsrChk.log"]);
}

TEST_F(KelvaneTest, FolderWithoutTrailingBackslashFailsWithTheCriticalBox) {
    system.Folders.insert("C:\\Logs");
    system.Folders.insert("C:\\Logs\\");
    for (const char* location : {"C:\\Logs", "C:\\Logs\\ ", " C:\\Logs "}) {
        system.Shown.clear();
        EXPECT_EQ(kExitLogNotWritten, Run(std::string(",") + location)) << location;
        ASSERT_EQ(1u, system.Shown.size());
        EXPECT_TRUE(system.Shown[0].Critical);
        EXPECT_EQ("Tessarin PC Configuration", system.Shown[0].Title);
        const std::string trimmed = std::string(location).find("\\ ") != std::string::npos ? "C:\\Logs\\" : "C:\\Logs";
        EXPECT_EQ("Access is denied " + trimmed, system.Shown[0].Text);
    }
    EXPECT_TRUE(system.Written.empty());
}

TEST_F(KelvaneTest, LogLocationResolution) {
    EXPECT_EQ(".\\bob_TsrChk.log", ResolveCheckLogLocation("", "bob"));
    EXPECT_EQ("Z:\\L\\bob_TsrChk.log", ResolveCheckLogLocation("Z:\\L\\", "bob"));
    EXPECT_EQ("Z:\\L\\x.log", ResolveCheckLogLocation("Z:\\L\\x.log", "bob"));
    EXPECT_EQ("Z:\\L\\ ", ResolveCheckLogLocation("Z:\\L\\ ", "bob"));
    // A named file is used as given.
    EXPECT_EQ(kExitNotSetUp, Run(",C:\\Logs\\check.txt"));
    EXPECT_EQ(Line(kNotSetUpEmpty), system.Written["C:\\Logs\\check.txt"]);
}

TEST_F(KelvaneTest, UnattendedHelpGoesToAFileBesideTheLog) {
    system.Interactive = false;
    EXPECT_EQ(kExitHelp, Run(""));
    EXPECT_EQ(KelvaneHelpText() + "\r\n", system.Written[".\\alice_TsrChkHelp.txt"]);
    EXPECT_EQ(kExitHelp, Run("/h, C:\\Logs\\"));
    EXPECT_EQ(KelvaneHelpText() + "\r\n", system.Written["C:\\Logs\\alice_TsrChkHelp.txt"]);
    EXPECT_EQ(kExitHelp, Run("/h,C:\\Logs\\mine.log"));
    EXPECT_EQ("C:\\Logs\\alice_TsrChkHelp.txt", system.Attempts.back());
    EXPECT_TRUE(system.Shown.empty());
}

TEST_F(KelvaneTest, UnattendedErrorGoesToAFileAndNeverWaits) {
    system.Interactive = false;
    system.Folders.insert("C:\\Logs\\x");
    EXPECT_EQ(kExitLogNotWritten, Run(",C:\\Logs\\x"));
    EXPECT_EQ("Access is denied C:\\Logs\\x\r\n", system.Written["C:\\Logs\\alice_TsrChkError.txt"]);
    // Log folder missing: the error file cannot be written there either.
    system.MissingFolders.insert("C:\\Gone\\");
    EXPECT_EQ(kExitLogNotWritten, Run(",C:\\Gone\\"));
    EXPECT_EQ(0u, system.Written.count("C:\\Gone\\alice_TsrChkError.txt"));
    EXPECT_TRUE(system.Shown.empty());
}
