// The user-profiles window's work: listing, copying the settings to a list
// of users, deleting, importing a list, and the status texts.
#include "admin/profiles/user_profiles.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "shared/file_operations.h"
#include "shared/file_routines.h"
#include "support/temp_folder.h"

namespace {

std::vector<std::string> Sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

// Copies users' profiles as the main window does, into app's Profiles.
CopyReport CopyUsers(const std::string& users, const TempFolder& app) {
    SettingsStore store(StoreVariant::Console);
    LoadSettingsText("Timeout=30,seconds\r\nremark\r\n", store);
    EditGridModel table;
    SetupSettingsTable(table);
    FillSettingsTable(table, store);
    return CopyToUsers(users, [&](const std::string& name) { return CopyProperty(table, store, app.Path(), name); });
}

}  // namespace

TEST(UserProfiles, ListsFilesWhoseNameHoldsDotIniInExactCase) {
    TempFolder app;
    EXPECT_TRUE(ListProfiles(app.Path()).empty()) << "no Profiles folder";
    app.MakeFolder("Profiles/sub.ini");
    for (const char* name : {"anna.ini", "readme.ini.txt", "carl.INI", "notes.txt"})
        app.Write(std::string("Profiles/") + name, "x=1\r\n");
    EXPECT_EQ(Sorted(ListProfiles(app.Path())), (std::vector<std::string>{"anna.ini", "readme.ini.txt"}));
}

TEST(UserProfiles, CopyWritesEachListedUsersProfileReplacingAnOldOne) {
    TempFolder app;
    app.MakeFolder("Profiles");
    app.Write("Profiles/carl.ini", "old=1\r\n");
    CopyReport report = CopyUsers("anna\r\nb\r\n carl \r\n\tdora\t\ned\r\n", app);
    EXPECT_EQ(Sorted(FileNamesIn(app.File("Profiles"))),
              (std::vector<std::string>{"anna.ini", "carl.ini", "dora.ini", "ed.ini"}));
    EXPECT_EQ(app.Read("Profiles/carl.ini"), "Timeout=30,seconds\r\nremark=\r\n");
    EXPECT_EQ(CopyStatusText(report), "Settings have been copied for all selected users");
}

TEST(UserProfiles, NamesNoFileCanHoldWriteNothingAndTheStatusSaysSo) {
    TempFolder app;
    app.MakeFolder("Profiles");
    CopyReport report = CopyUsers("anna/x\r\n..\\..\\Windows\\evil\r\ncon\r\na:b\r\ndora\r\n", app);
    EXPECT_EQ(FileNamesIn(app.File("Profiles")), (std::vector<std::string>{"dora.ini"}));
    EXPECT_EQ(app.FileNames(), (std::vector<std::string>{"Profiles"}));
    EXPECT_EQ(CopyStatusText(report),
              "Settings have been copied for 1 of 5 users. Skipped, not a file name: anna/x, "
              "..\\..\\Windows\\evil, con, a:b.");

    TempFolder noProfiles;
    EXPECT_EQ(CopyStatusText(CopyUsers("u1\nu2\nu3\nu4\nu5\nu6\nu7", noProfiles)),
              "Settings have been copied for 0 of 7 users. Could not write: u1.ini, u2.ini, u3.ini, u4.ini, "
              "u5.ini and 2 more.");
}

TEST(UserProfiles, AStoppedCopyKeepsWhatWasWrittenAndCountsTheRest) {
    std::vector<std::string> written;
    std::vector<std::size_t> asked;
    const auto copy = [&](const std::string& name) {
        written.push_back(name);
        return name == "con.ini" ? CopyResult::NotAFileName : CopyResult::Copied;
    };
    const auto stopAtThird = [&](std::size_t done, std::size_t total) {
        asked.push_back(done * 10 + total);
        return done < 2;
    };
    const CopyReport report = CopyToUsers("anna\r\ncon\r\ncarl\r\nb\r\ndora\r\ned", copy, stopAtThird);
    EXPECT_EQ(written, (std::vector<std::string>{"anna.ini", "con.ini"}));
    EXPECT_EQ(asked, (std::vector<std::size_t>{5, 15, 25})) << "asked before each name, of 5 names";
    EXPECT_EQ(CopyStatusText(report),
              "Settings have been copied for 1 of 5 users. Skipped, not a file name: con. Stopped: 3 users not "
              "copied.");
}

TEST(UserProfiles, DeletesSelectedProfilesOnlyInsideProfiles) {
    TempFolder app;
    app.MakeFolder("Profiles");
    for (const char* name : {"anna.ini", "carl.ini", "dora.ini"}) app.Write(std::string("Profiles/") + name, "");
    app.Write("outside.ini", "");
    const std::vector<std::string> entries = {"anna.ini", "carl.ini", "dora.ini", "../outside.ini"};

    DeleteReport none = DeleteUserProfiles(app.Path(), entries, {false, false, false, false});
    EXPECT_EQ(DeleteStatusText(none), "Settings have been deleted for all selected users");
    EXPECT_EQ(ListProfiles(app.Path()).size(), 3u);

    DeleteReport some = DeleteUserProfiles(app.Path(), entries, {true, false, true, true});
    EXPECT_EQ(ListProfiles(app.Path()), (std::vector<std::string>{"carl.ini"}));
    EXPECT_TRUE(FileExists(app.File("outside.ini")));
    EXPECT_EQ(DeleteStatusText(some),
              "Settings have been deleted for all selected users, except ../outside.ini (could not be deleted)");
}

TEST(UserProfiles, ImportReadsTheListForTheTextBox) {
    TempFolder app;
    struct Case {
        std::string Bytes;
        std::string Text;
    } cases[] = {
        {std::string("\xFF\xFE"
                     "a\0n\0\r\0\n\0c\0d\0",
                     14),
         "an\r\ncd"},  // Notepad's "Unicode"
        {std::string("an\0na\nbo", 8), "an?na\r\nbo"},
    };
    for (const Case& c : cases) {
        app.Write("users.txt", c.Bytes);
        EXPECT_EQ(ImportUsersText(app.File("users.txt")), c.Text);
    }
    EXPECT_EQ(ImportUsersText(app.File("missing.txt")), "");
}
