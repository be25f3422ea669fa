// The look the dates and settings tables share: header colours and the
// column widths taken from the window's inner width.
#include "admin/settings/editing_table.h"

#include <gtest/gtest.h>

TEST(EditingTable, ColumnsTakeTheirSharesAndTheFirstGivesWayWhenTheTableIsNarrow) {
    struct Case {
        long Inner, Room;  // twips: the window's inner width, the table's cells
        long Table, LineNumber, First, Second, FirstFitted;
    } cases[] = {
        {10000, 9800, 9800, 500, 5800, 3000, 5800},  // room for every share
        {10000, 8000, 9800, 500, 5800, 3000, 4500},  // narrow: the first column gives way
        {10000, 3000, 9800, 500, 5800, 3000, 0},     // not even room for the others
        {-15, 0, 0, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        EditGridModel table;
        SetupEditingTable(table, "Setting", "Value");
        const EditingTableWidths w = SizeEditingTable(table, c.Inner);
        EXPECT_EQ((std::vector<long>{w.Table, w.LineNumber, w.First, w.Second}),
                  (std::vector<long>{c.Table, c.LineNumber, c.First, c.Second}))
            << c.Inner;
        EXPECT_EQ((std::vector<long>{table.Grid.ColWidth(0), table.Grid.ColWidth(1), table.Grid.ColWidth(2)}),
                  (std::vector<long>{c.LineNumber, c.First, c.Second}));
        EXPECT_EQ(FirstColumnWidthIn(w, c.Room), c.FirstFitted) << c.Inner << " in " << c.Room;
    }
    EditGridModel table;
    SetupEditingTable(table, "Doc Date", "File");
    EXPECT_EQ(table.Grid.Props().BackColorFixed, 0xC0FFC0u);
    EXPECT_EQ(table.Grid.Props().ForeColorFixed, 0x800000u);
    EXPECT_EQ(table.Grid.TextMatrix(0, 1) + "|" + table.Grid.TextMatrix(0, 2), "Doc Date|File");
}
