// The log list: its set-up, filling it from the folder, growth, refresh and
// the rows the exports take.
#include "admin/records/log_list.h"

#include <gtest/gtest.h>

#include "admin/grid/grid_model.h"
#include "shared/file_operations.h"
#include "shared/file_routines.h"
#include "support/temp_folder.h"

namespace {

EditGridModel NewList() {
    EditGridModel list;
    SetupLogList(list);
    return list;
}

void WriteLogs(const TempFolder& folder, int count) {
    for (int i = 0; i < count; ++i) folder.Write("user" + std::to_string(i) + "_Declaration", "record");
}

}  // namespace

TEST(LogList, WidthsShareTheWindowsInnerWidth) {
    EditGridModel list = NewList();
    EXPECT_EQ(7056, SetLogListWidths(list.Grid, 7200));
    EXPECT_EQ((std::vector<int>{1440, 3600, 2160}),
              (std::vector<int>{list.Grid.ColWidth(0), list.Grid.ColWidth(1), list.Grid.ColWidth(2)}));
}

TEST(LogList, RowsNumberedWithNameAndLastUpdate) {
    TempFolder folder;
    folder.Write("anna_Declaration", "a");
    folder.Write("ben_Declaration", "b");
    folder.Write("Bundle.Log", "bundle");
    EditGridModel list = NewList();
    EXPECT_EQ(2, RefreshLogList(list, folder.Path()));
    const FlexGrid& grid = list.Grid;
    const std::vector<std::string> order = FileNamesIn(folder.Path());  // the file system's order
    std::vector<std::string> listed;
    for (long r = 1; r <= 2; ++r) {
        EXPECT_EQ(std::to_string(r), grid.TextMatrix(r, 0));
        listed.push_back(grid.TextMatrix(r, 1));
        const std::string date = FileModifiedDate(folder.File(grid.TextMatrix(r, 1)), 4);
        EXPECT_FALSE(date.empty());
        EXPECT_EQ(date, grid.TextMatrix(r, 2));
    }
    std::vector<std::string> expected;
    for (const auto& name : order)
        if (name != "Bundle.Log") expected.push_back(name);
    EXPECT_EQ(expected, listed);
    EXPECT_EQ("", grid.TextMatrix(3, 1));
}

// Rows are added 20 at a time whenever the row count is not greater than
// the row about to be written: 25 records grow the list twice.
TEST(LogList, GrowsByTwentyRows) {
    const struct {
        int Files;
        long Rows;
    } cases[] = {{0, 2}, {1, 2}, {2, 22}, {21, 22}, {22, 42}, {25, 42}};
    for (const auto& c : cases) {
        TempFolder folder;
        WriteLogs(folder, c.Files);
        EditGridModel list = NewList();
        EXPECT_EQ(c.Files, RefreshLogList(list, folder.Path()));
        EXPECT_EQ(c.Rows, list.Grid.Rows()) << c.Files << " files";
    }
}

// ListLogs alone writes over what is there; entering the tab and the
// commands clear first, so a shorter listing leaves no old rows below it.
TEST(LogList, RefreshClearsRowsOfALongerListing) {
    TempFolder folder;
    WriteLogs(folder, 5);
    EditGridModel list = NewList();
    RefreshLogList(list, folder.Path());
    for (int i = 0; i < 3; ++i) DeleteFileAt(folder.File("user" + std::to_string(i) + "_Declaration"));
    EXPECT_EQ(2, ListLogs(list, folder.Path()));
    EXPECT_FALSE(list.Grid.TextMatrix(5, 1).empty());  // not cleared by ListLogs
    EXPECT_EQ(2, RefreshLogList(list, folder.Path()));
    EXPECT_EQ("", list.Grid.TextMatrix(3, 1));
    EXPECT_EQ("", list.Grid.TextMatrix(5, 0));
    EXPECT_EQ("Log File", list.Grid.TextMatrix(0, 1));
    EXPECT_EQ(2u, ListedLogs(list.Grid).Rows.size());
}

TEST(LogList, MissingFolderListsNothing) {
    TempFolder folder;
    EditGridModel list = NewList();
    EXPECT_EQ(0, RefreshLogList(list, folder.File("none")));
    EXPECT_EQ(0, RefreshLogList(list, ""));
    EXPECT_TRUE(ListedLogs(list.Grid).Rows.empty());
}

TEST(LogList, ExportRowsStopAtTheFirstEmptyName) {
    EditGridModel list = NewList();
    FlexGrid& grid = list.Grid;
    grid.SetRows(6);
    const char* names[] = {"", "a_Declaration", "b_Declaration", "", "d_Declaration"};
    for (long r = 1; r < 6; ++r) {
        grid.SetTextMatrix(r, 0, std::to_string(r));
        grid.SetTextMatrix(r, 1, names[r - 1]);
        grid.SetTextMatrix(r, 2, "date" + std::to_string(r));
    }
    EXPECT_TRUE(ListedLogs(grid).Rows.empty());  // row 1 is empty: nothing
    grid.SetTextMatrix(1, 1, "z_Declaration");
    const LogTable table = ListedLogs(grid);
    EXPECT_EQ((std::vector<std::string>{"Log File", "Last Update"}), table.Header);
    ASSERT_EQ(3u, table.Rows.size());
    EXPECT_EQ((std::vector<std::string>{"b_Declaration", "date3"}), table.Rows[2]);
}
