// Where an answer goes: Tsr.dll, the record file, or nowhere.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "runner/answer/response_recorder.h"
#include "runner/answer/pending_records.h"
#include "shared/file_routines.h"
#include "support/temp_folder.h"

namespace {

class FakeSystem : public ResponseSystem {
public:
    bool Present = false;
    bool SaveDocWorks = true;
    bool FileWorks = true;
    int AddressQueries = 0;
    std::string SavedDoc;
    std::map<std::string, std::string> Files;

    std::string GeneralDateNow() override { return "12/7/2026 9:15:00 AM"; }
    std::string AdapterAddress(int kind) override {
        ++AddressQueries;
        return kind == 2 ? std::string("10.1.2.3\0\0", 10) : "00-1B-2C-3D-4E-5F";
    }
    std::string DocumentDetails() override { return "Use of computers\r\nRule one."; }
    bool LibraryPresent() override { return Present; }
    bool LibrarySaveDoc(const std::string& text) override {
        if (!SaveDocWorks) return false;
        SavedDoc = text;
        return true;
    }
    bool ReplaceFile(const std::string& path, const std::string& content) override {
        if (!FileWorks) return false;
        Files[path] = content;
        return true;
    }
};

ResponseRequest Request(bool ticked) {
    ResponseRequest r;
    r.ProfileUser = "anna";
    r.BoxTicked = ticked;
    r.CheckCaption = "I  have read this document";
    r.Response = "Accept";
    return r;
}

const char kFolder[] = "C:\\Tsr";

TEST(ResponseRecorderTest, RecordFileInTheProgramFolderByDefault) {
    FakeSystem system;
    SettingsStore settings;
    EXPECT_EQ(RecordResponse(Request(false), settings, kFolder, system), RecordOutcome::File);
    ASSERT_EQ(system.Files.count("C:\\Tsr\\anna_Declaration"), 1u);
    EXPECT_EQ(system.Files["C:\\Tsr\\anna_Declaration"],
              "12/7/2026 9:15:00 AM, anna Accept\r\nUse of computers\r\nRule one.\r\n");
    EXPECT_EQ(system.AddressQueries, 0);  // no machine id asked for
}

TEST(ResponseRecorderTest, TickedBoxNamesTheCaptionAndMachineIdIsAdded) {
    FakeSystem system;
    SettingsStore settings;
    LoadSettingsText("[Declaration]\r\nSave Machine ID=Both, IP or MAC\r\nTsrPath=D:\\Logs\\\r\n", settings);
    RecordResponse(Request(true), settings, kFolder, system);
    ASSERT_EQ(system.Files.count("D:\\Logs\\anna_Declaration"), 1u);
    EXPECT_EQ(system.Files["D:\\Logs\\anna_Declaration"],
              "12/7/2026 9:15:00 AM,IP:10.1.2.3  MAC:00-1B-2C-3D-4E-5F, "
              "I  have read this document Accept\r\nUse of computers\r\nRule one.\r\n");
}

// The database row of the same answer takes its time and addresses from
// the record, in the form the record shows them.
TEST(ResponseRecorderTest, FactsOfTheRecordForTheDatabaseRow) {
    const struct {
        const char* saveMachineId;
        bool screenSaver;
        bool made;
        const char* ip;
        const char* mac;
    } cases[] = {
        {"Both", false, true, "10.1.2.3", "00-1B-2C-3D-4E-5F"},
        {"IP", false, true, "10.1.2.3", ""},
        {"MAC", false, true, "", "00-1B-2C-3D-4E-5F"},
        {"ip", false, true, "", ""},
        {"Both", true, false, "", ""},
    };
    for (const auto& c : cases) {
        FakeSystem system;
        SettingsStore settings;
        LoadSettingsText(std::string("Save Machine ID=") + c.saveMachineId + "\r\n", settings);
        ResponseRequest request = Request(false);
        request.ScreenSaverMode = c.screenSaver;
        RecordFacts facts;
        RecordResponse(request, settings, kFolder, system, &facts);
        EXPECT_EQ(c.made, facts.Made) << c.saveMachineId;
        EXPECT_EQ(c.made ? "12/7/2026 9:15:00 AM" : "", facts.DateTime) << c.saveMachineId;
        EXPECT_EQ(c.ip, facts.IpAddress) << c.saveMachineId;
        EXPECT_EQ(c.mac, facts.HardwareAddress) << c.saveMachineId;
    }
}

TEST(ResponseRecorderTest, LibraryTakesTheRecordInsteadOfTheFile) {
    FakeSystem system;
    system.Present = true;
    SettingsStore settings;
    EXPECT_EQ(RecordResponse(Request(false), settings, kFolder, system), RecordOutcome::Library);
    EXPECT_EQ(system.SavedDoc, "12/7/2026 9:15:00 AM, anna Accept\r\nUse of computers\r\nRule one.");
    EXPECT_TRUE(system.Files.empty());
}

TEST(ResponseRecorderTest, UnusableLibraryFallsBackToTheFile) {
    FakeSystem system;
    system.Present = true;
    system.SaveDocWorks = false;
    SettingsStore settings;
    EXPECT_EQ(RecordResponse(Request(false), settings, kFolder, system), RecordOutcome::File);
    EXPECT_EQ(system.Files.size(), 1u);
}

TEST(ResponseRecorderTest, NothingRecordedForTheScreenSaverOrWithoutUser) {
    FakeSystem system;
    system.Present = true;
    SettingsStore settings;
    ResponseRequest saver = Request(false);
    saver.ScreenSaverMode = true;
    EXPECT_EQ(RecordResponse(saver, settings, kFolder, system), RecordOutcome::NotRecorded);
    ResponseRequest nobody = Request(false);
    nobody.ProfileUser.clear();
    EXPECT_EQ(RecordResponse(nobody, settings, kFolder, system), RecordOutcome::NotRecorded);
    EXPECT_TRUE(system.SavedDoc.empty());
    EXPECT_TRUE(system.Files.empty());
}

TEST(ResponseRecorderTest, FailedWriteKeepsTheRecordPendingOrReportsIt) {
    FakeSystem system;
    system.FileWorks = false;
    SettingsStore settings;
    EXPECT_EQ(RecordResponse(Request(false), settings, kFolder, system), RecordOutcome::FileFailed);
    TempFolder local;
    ResponseRequest request = Request(false);
    request.PendingFolder = PendingRecordFolder(local.Path());
    EXPECT_EQ(RecordResponse(request, settings, kFolder, system), RecordOutcome::Pending);
    std::string kept;
    EXPECT_TRUE(ReadWholeFile(JoinPath(request.PendingFolder, "anna_Declaration"), &kept));
    EXPECT_EQ(kept, "12/7/2026 9:15:00 AM, anna Accept\r\nUse of computers\r\nRule one.\r\n");
}

// A profile name that is no plain file name never chooses a file; a
// Tsr.dll still takes the record, as no file is involved.
TEST(ResponseRecorderTest, NameThatIsNoFileNameReachesOnlyTheLibrary) {
    for (const char* name : {"..\\..\\x", "a/b", "com1", "aux.txt", ".."}) {
        FakeSystem system;
        SettingsStore settings;
        ResponseRequest request = Request(false);
        request.ProfileUser = name;
        EXPECT_EQ(RecordResponse(request, settings, kFolder, system), RecordOutcome::NotRecorded) << name;
        EXPECT_TRUE(system.Files.empty()) << name;
        system.Present = true;
        EXPECT_EQ(RecordResponse(request, settings, kFolder, system), RecordOutcome::Library) << name;
    }
}

}  // namespace
