// The settings tab's table over the settings store: filling, row edits with
// the restore rule, the value editor, saving and copying to a profile.
#include "admin/settings/settings_table.h"

#include <gtest/gtest.h>

#include "shared/file_operations.h"
#include "shared/file_routines.h"
#include "support/temp_folder.h"

namespace {

struct Tab {
    SettingsStore Store{StoreVariant::Console};
    EditGridModel Table;
    long LastRow = 0;

    explicit Tab(const std::string& text) {
        LoadSettingsText(text, Store);
        SetupSettingsTable(Table);
        FillSettingsTable(Table, Store);
    }
    std::string Cell(long row, long col = kValueCol) const { return Table.Grid.TextMatrix(row, col); }
    // A click on a cell: the grid moves, then raises RowColChange.
    RowColChangeResult Click(long row, long col = kValueCol) {
        Table.Grid.SetCurrentCell(row, col);
        return SettingsRowColChange(Table, Store, LastRow);
    }
    void Type(long row, const std::string& text) {
        Click(row);
        Table.Grid.SetTextMatrix(row, kValueCol, text);
    }
};

}  // namespace

TEST(SettingsTable, ShowsItemsTextKeysWholeAndGroupsBySection) {
    Tab tab("Timeout=30,seconds\r\nCheckBox Caption=I, we\r\nErr Msg=a,b\r\nBox caption=a,b\r\nremark\r\n");
    EXPECT_EQ((std::vector<std::string>{tab.Cell(1), tab.Cell(2), tab.Cell(3), tab.Cell(4), tab.Cell(5)}),
              (std::vector<std::string>{"30", "I, we", "a,b", "a", ""}));
    EXPECT_EQ(tab.Table.Grid.Rows(), 7) << "one empty row stays at the bottom";

    Tab sections("b:K1=1\r\nK2=2\r\na:K3=3\r\nb:K4=4\r\nB:K5=5\r\n");
    std::vector<std::string> keys;
    for (long r = 1; r <= 5; ++r) keys.push_back(sections.Cell(r, kSettingCol));
    EXPECT_EQ(keys, (std::vector<std::string>{"K2", "K5", "K3", "K1", "K4"}));
}

TEST(SettingsTable, RowEditsGoIntoTheStoreAsTheFileWillShow) {
    struct Case {
        const char* Line;
        const char* Typed;
        const char* Saved;  // the line written back
        const char* Shown;  // the cell afterwards
    } cases[] = {
        {"Logon Start=Yes,Yes,No", "No", "Logon Start=No,Yes,No", "No"},
        {"Timeout=30,seconds", "45", "Timeout=45,seconds", "45"},
        {"Timeout=30,seconds", "", "Timeout=30,seconds", "30"},
        {"CheckBox Caption=I, User Name, have read", "I, User Name, have read",
         "CheckBox Caption=I, User Name, have read", "I, User Name, have read"},
        {"Button1 Caption=I, accept", " You, too ", "Button1 Caption=You, too", " You, too "},
        {"Record Database=,a note", "Server=db1,1433;Driver={X}", "Record Database=Server=db1,1433;Driver={X}",
         "Server=db1,1433;Driver={X}"},                     // a connection string is kept whole
        {"Log File=a.log,note", "", "Log File=,note", ""},  // keys with "File" may be blanked
        {"Note=,remark", "", "Note=", ""},                  // restoring an empty item empties the value
        {"remark line", "", "remark line=", ""},
    };
    for (const Case& c : cases) {
        Tab tab(std::string(c.Line) + "\r\nNext=1\r\n");
        tab.Type(1, c.Typed);
        RowColChangeResult moved = tab.Click(2);
        EXPECT_EQ(SettingsFileText(tab.Store), std::string(c.Saved) + "\r\nNext=1\r\n") << c.Line;
        EXPECT_EQ(tab.Cell(1), c.Shown) << c.Line;
        EXPECT_TRUE(moved.Edited && moved.EnableSave);
    }
}

TEST(SettingsTable, ValueEditorIsADropDownForTwoChoicesOrMore) {
    struct Case {
        const char* Line;
        std::vector<std::string> Choices;
    } cases[] = {
        {"Logon Start=Yes,Yes,No", {"Yes", "No"}},
        {"Timeout=30,seconds", {"seconds"}},
        {"Rate=0, -2 ,,2", {"-2", "2"}},
        {"CheckBox Caption=I, you, we", {}},  // commas of a text are no choices
    };
    for (const Case& c : cases) {
        Tab tab(c.Line);
        RowColChangeResult r = tab.Click(1);
        EXPECT_EQ(r.Editor.Choices, c.Choices) << c.Line;
        EXPECT_EQ(tab.Table.EditorOf(kValueCol).Kind, c.Choices.size() >= 2 ? EditorDropDownList : EditorText);
    }
}

TEST(SettingsTable, RowsBeyondTheStoreAreEmptiedAndNeverStored) {
    Tab tab("A=1\r\n");
    tab.Table.Grid.SetTextMatrix(2, kSettingCol, "New");
    tab.Table.Grid.SetTextMatrix(2, kValueCol, "x");
    tab.Click(1);
    RowColChangeResult r = tab.Click(2);
    EXPECT_FALSE(r.EnableSave || tab.Table.EditorOf(kValueCol).Enabled);
    EXPECT_EQ(tab.Cell(2, kSettingCol) + tab.Cell(2), "");
    EXPECT_EQ(SettingsFileText(tab.Store), "A=1\r\n");
}

TEST(SettingsTable, SectionedRowsReadChoicesAndRestoresAtTheirStorePosition) {
    // Grouping moves "Second" to row 1, while store position 1 is "First".
    Tab tab("s:First=1,a,b\r\nSecond=2,c,d\r\n");
    EXPECT_EQ(tab.Click(1).Editor.Choices, (std::vector<std::string>{"a", "b"}));
    tab.Table.Grid.SetTextMatrix(1, kValueCol, "");
    tab.Click(2);
    EXPECT_EQ(tab.Cell(1), "1");
}

TEST(SettingsTable, SaveWritesOnlyAnExistingFileAndNamesAFailedOne) {
    TempFolder folder;
    folder.Write("Tessarin.ini", "Timeout=30,seconds\r\n");
    folder.Write("Locked.ini", "Timeout=30,seconds\r\n");
    folder.SetReadOnly("Locked.ini", true);
    struct Case {
        const char* Name;
        bool Result;
        const char* After;  // the file afterwards, null: no file
    } cases[] = {
        {"Tessarin.ini", true, "Timeout=45,seconds\r\n"},
        {"Missing.ini", true, nullptr},
        {"Locked.ini", false, "Timeout=30,seconds\r\n"},
    };
    for (const Case& c : cases) {
        Tab tab("Timeout=30,seconds\r\n");
        tab.Type(1, "45");  // saving commits the current row
        std::string failure;
        EXPECT_EQ(SaveSettings(tab.Table, tab.Store, folder.File(c.Name), &failure), c.Result) << c.Name;
        EXPECT_EQ(FileExists(folder.File(c.Name)) ? folder.Read(c.Name) : "none", c.After ? c.After : "none");
        EXPECT_EQ(failure.find(folder.File(c.Name)) != std::string::npos, !c.Result) << c.Name;
    }
}

TEST(SettingsTable, CopyPropertyWritesTheWholeStoreIntoProfilesOnly) {
    TempFolder app;
    app.MakeFolder("Profiles");
    app.Write("Profiles/anna.ini", "old=1\r\n");
    Tab tab("remark\r\nTimeout=30,seconds\r\nMain:Caption=Hi, all\r\n");
    tab.Type(2, "45");
    EXPECT_EQ(CopyProperty(tab.Table, tab.Store, app.Path(), "anna.ini"), CopyResult::Copied);
    EXPECT_EQ(app.Read("Profiles/anna.ini"), "remark=\r\nTimeout=45,seconds\r\nMain:Caption=Hi, all\r\n");
    for (const char* bad : {"anna/x.ini", "..\\..\\Windows\\evil.ini", "con.ini", "a:b.ini"})
        EXPECT_EQ(CopyProperty(tab.Table, tab.Store, app.Path(), bad), CopyResult::NotAFileName) << bad;
    EXPECT_EQ(app.FileNames(), (std::vector<std::string>{"Profiles"}));
    EXPECT_EQ(FileNamesIn(app.File("Profiles")), (std::vector<std::string>{"anna.ini"}));
}
