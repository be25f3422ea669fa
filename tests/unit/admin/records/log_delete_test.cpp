// Deleting records from the list.
#include "admin/records/log_delete.h"

#include <gtest/gtest.h>

#include "admin/grid/grid_model.h"
#include "admin/records/log_list.h"
#include "shared/file_routines.h"
#include "support/temp_folder.h"

namespace {

EditGridModel Listed(const TempFolder& folder) {
    EditGridModel list;
    SetupLogList(list);
    RefreshLogList(list, folder.Path());
    return list;
}

}  // namespace

TEST(LogDelete, OneRowDeletesItsFileOnly) {
    TempFolder folder;
    for (const char* name : {"anna_Declaration", "ben_Declaration", "Bundle.Log"}) folder.Write(name, "x");
    EditGridModel list = Listed(folder);
    const std::string name = list.Grid.TextMatrix(2, 1);
    EXPECT_TRUE(RowHasLog(list.Grid, 2));
    EXPECT_FALSE(RowHasLog(list.Grid, 3));
    EXPECT_FALSE(RowHasLog(list.Grid, 0));
    EXPECT_EQ("Do you want to delete the log in line 2 ?", DeleteLogQuestion(2));
    EXPECT_EQ(kLogDeleted, DeleteLogRow(list.Grid, 2, folder.Path()));
    EXPECT_FALSE(FileExists(folder.File(name)));
    EXPECT_EQ(2u, folder.FileNames().size());
    // Deleted already (the list is stale): the deletion did not happen now.
    EXPECT_EQ(kLogNotDeleted, DeleteLogRow(list.Grid, 2, folder.Path()));
    EXPECT_EQ(1, RefreshLogList(list, folder.Path()));
}

TEST(LogDelete, EditedCellsDeleteNothingOutsideTheRecords) {
    TempFolder folder;
    const std::string logs = folder.MakeFolder("logs");
    folder.Write("logs/anna_Declaration", "x");
    folder.Write("Tessarin.ini", "x");
    folder.Write("other_Declaration", "x");
    EditGridModel list;
    SetupLogList(list);
    for (const char* cell : {"../Tessarin.ini", "../other_Declaration", "Tessarin.ini", "COM1_Declaration/x"}) {
        list.Grid.SetTextMatrix(1, 1, cell);
        EXPECT_EQ(kLogNotDeleted, DeleteLogRow(list.Grid, 1, logs)) << cell;
    }
    EXPECT_TRUE(FileExists(folder.File("Tessarin.ini")));
    EXPECT_TRUE(FileExists(folder.File("other_Declaration")));
    EXPECT_TRUE(FileExists(folder.File("logs/anna_Declaration")));
}

TEST(LogDelete, AllLogsLeavesTheBundle) {
    TempFolder folder;
    for (const char* name : {"anna_Declaration", "ben_Declaration", "o'brien_Declaration", "Bundle.Log"})
        folder.Write(name, "x");
    EditGridModel list = Listed(folder);
    EXPECT_EQ(kLogDeleted, DeleteAllLogs(list.Grid, folder.Path()));
    EXPECT_EQ(std::vector<std::string>{"Bundle.Log"}, folder.FileNames());
    EXPECT_EQ(0, RefreshLogList(list, folder.Path()));
    EXPECT_EQ("", DeleteAllLogs(list.Grid, folder.Path()));  // nothing listed: nothing said
}
