// The grid model: text forms, lookups, row and table operations, line
// numbers, the one-row clipboard, row marking and set-up.
#include <gtest/gtest.h>

#include "admin/grid/grid_model.h"

namespace {

// A grid of `rows` rows and `cols` columns with the given column-1 values
// from row 1 down (and "<value>2" in column 2 when there is one).
EditGridModel MakeGrid(long rows, long cols, const std::vector<std::string>& col1 = {}) {
    EditGridModel g;
    g.Grid.SetCols(cols);
    g.Grid.SetRows(rows);
    g.Setup();
    for (size_t i = 0; i < col1.size(); ++i) {
        long r = static_cast<long>(i) + 1;
        g.Grid.SetTextMatrix(r, 1, col1[i]);
        if (cols > 2 && !col1[i].empty()) g.Grid.SetTextMatrix(r, 2, col1[i] + "2");
    }
    return g;
}

std::vector<std::string> Column(const EditGridModel& g, long col) {
    std::vector<std::string> out;
    for (long r = 1; r < g.Grid.Rows(); ++r) out.push_back(g.Grid.TextMatrix(r, col));
    return out;
}

void SelectRow(EditGridModel& g, long row) { g.Grid.SetSelection(row, 0, row, g.Grid.Cols() - 1); }

}  // namespace

TEST(GridModelText, Grid2StrStopsAfterFirstRowWithEmptyColumnOne) {
    EditGridModel g = MakeGrid(8, 3, {"a", "b", "c"});
    g.RefreshItemNumber();
    EXPECT_EQ(g.Grid2Str(), "1\ta\ta2\r\n2\tb\tb2\r\n3\tc\tc2\r\n\t\t\r\n");
    // The scan leaves the stopping row selected whole, highlight back on.
    EXPECT_EQ(g.Grid.Row(), 4);
    EXPECT_EQ(g.Grid.Col(), 0);
    EXPECT_EQ(g.Grid.ColSel(), 2);
    EXPECT_EQ(g.Grid.Props().HighLight, HighLightWithFocus);
}

TEST(GridModelText, Grid2StrSeparatorIsTrimmedAndBlankMeansCrLf) {
    EditGridModel g = MakeGrid(5, 2, {"a", "b"});
    EXPECT_EQ(g.Grid2Str(" | "), "\ta|\tb|\t|");
    EXPECT_EQ(g.Grid2Str("   "), "\ta\r\n\tb\r\n\t\r\n");
}

TEST(GridModelText, Grid2StrOnAFullTableScansEveryRow) {
    EditGridModel g = MakeGrid(3, 2, {"a", "b"});
    EXPECT_EQ(g.Grid2Str(), "\ta\r\n\tb\r\n");
}

TEST(GridModelText, RowToStrStopsBeforeTheEndColumn) {
    EditGridModel g = MakeGrid(3, 4);
    for (long c = 0; c < 4; ++c) g.Grid.SetTextMatrix(1, c, std::string(1, static_cast<char>('w' + c)));
    EXPECT_EQ(g.RowToStr(1, "3"), "w,x,y");
    EXPECT_EQ(g.RowToStr(1, "0"), "w,x,y,z");
    EXPECT_EQ(g.RowToStr(1, "garbage"), "w,x,y,z");
    EXPECT_EQ(g.RowToStr(1, "99"), "w,x,y,z");
    EXPECT_EQ(g.RowToStr(7, "0"), "");
}

TEST(GridModelText, StrToRowWritesDataColumnsAndKeepsLineNumber) {
    EditGridModel g = MakeGrid(3, 3);
    g.SetLineNumber(1, 1);
    g.StrToRow("x,a,b", 1);
    EXPECT_EQ(g.RowToStr(1, "0"), "1,a,b");
    // Too few items, or a row outside the grid: nothing changes.
    g.StrToRow("q,r", 1);
    EXPECT_EQ(g.RowToStr(1, "0"), "1,a,b");
    g.StrToRow("x,a,b", 3);
    g.StrToRow("x,a,b", -1);
    EXPECT_EQ(g.Grid2Str(), "1\ta\tb\r\n\t\t\r\n");
}

TEST(GridModelText, CurrentRowStrSelectsTheWholeRow) {
    EditGridModel g = MakeGrid(3, 3, {"a"});
    g.Grid.SetCurrentCell(1, 2);
    EXPECT_EQ(g.CurrentRowStr(), "\ta\ta2");
    EXPECT_EQ(g.Grid.Col(), 0);
    EXPECT_EQ(g.Grid.ColSel(), 2);
}

TEST(GridModelText, ClipReadsAndWritesTheSelectedRange) {
    EditGridModel g = MakeGrid(5, 3);
    g.Grid.SetSelection(1, 1, 2, 2);
    g.Str2Gird("a\tb\r\nc\td");
    EXPECT_EQ(g.GetGridClip(), "a\tb\rc\td");
    // Text beyond the range is dropped; cells it does not reach stay.
    g.Grid.SetSelection(1, 1, 1, 2);
    g.SetGridClip("x\ty\tz\rw");
    EXPECT_EQ(Column(g, 1), (std::vector<std::string>{"x", "c", "", ""}));
    EXPECT_EQ(Column(g, 2), (std::vector<std::string>{"y", "d", "", ""}));
    g.Grid.SetSelection(2, 1, 2, 2);
    g.SetGridClip("only");
    EXPECT_EQ(g.Grid.TextMatrix(2, 1), "only");
    EXPECT_EQ(g.Grid.TextMatrix(2, 2), "d");
}

TEST(GridModelLookups, FindRowsByValue) {
    EditGridModel g = MakeGrid(6, 3, {"a", "b", "a"});
    EXPECT_EQ(g.GetSelRow("b", 1), 2);
    EXPECT_EQ(g.GetSelRow("B", 1), 6);  // case-sensitive, absent -> Rows
    EXPECT_EQ(g.GetSelRow("a", 9), 6);
    EXPECT_EQ(g.Duplicate("a", 1, 1), 3);
    EXPECT_EQ(g.Duplicate("b", 1, 2), 0);
    EXPECT_EQ(g.Duplicate("a", 1, 3), 1);
    g.Grid.SetSelection(1, 1, 3, 2);
    EXPECT_EQ(g.GetHightLightValue(), "a2");
}

TEST(GridModelLookups, LastEditRowReadsAsOneOnANewControl) {
    EditGridModel g;
    EXPECT_EQ(g.GetLastEditRow(), 1);
    EXPECT_TRUE(g.EditableRows());
    EXPECT_FALSE(g.RowOperation(RowClipQuery));
}

TEST(GridModelRows, AddRowDetailFillsNextRowsGrowsAndRecordsWidths) {
    EditGridModel g = MakeGrid(3, 3);
    int hidden = 0;
    g.HideCellEditor = [&] { ++hidden; };
    g.AddRowDetail({"unused", "alpha", "b"}, 11, 1, 0);
    EXPECT_EQ(g.Grid.Rows(), 3);
    g.AddRowDetail({"unused", "twelve chars", "bb", "beyond the columns"}, 12, 0, 0);
    EXPECT_EQ(hidden, 2);
    EXPECT_EQ(g.Grid.Rows(), 23);  // row 2 was the last row: 20 more
    EXPECT_EQ(g.Grid.RowHeight(22), kStandardRowHeight);
    EXPECT_EQ(g.RowToStr(1, "0"), "1,alpha,b");
    EXPECT_EQ(g.RowToStr(2, "0"), ",twelve chars,bb");
    EXPECT_EQ(g.Grid.RowData(1), 11);
    EXPECT_EQ(g.Grid.RowData(2), 12);
    EXPECT_EQ(g.ColTextWidths()[1], 12);
    EXPECT_EQ(g.ColTextWidths()[2], 2);
    EXPECT_EQ(g.LastEditRowValue(), 2);
    g.AddRowDetail({"", "at ten"}, 5, 1, 10);
    EXPECT_EQ(g.Grid.TextMatrix(10, 1), "at ten");
    EXPECT_EQ(g.Grid.TextMatrix(10, 0), "10");
    // A line far outside the grid leaves it alone.
    g.AddRowDetail({"", "far"}, 5, 1, 5000);
    EXPECT_EQ(g.Grid.Rows(), 23);
    EXPECT_EQ(g.GetSelRow("far", 1), 23);
}

TEST(GridModelRows, AddItemAndRemoveItemByName) {
    EditGridModel g = MakeGrid(3, 3, {"a"});
    EXPECT_EQ(g.AddItem("1\tx\ty", 1), 1);
    EXPECT_EQ(g.Grid.Rows(), 4);
    EXPECT_EQ(Column(g, 1), (std::vector<std::string>{"x", "a", ""}));
    EXPECT_EQ(g.AddItem("bad", 99), -1);
    g.RemoveItemByName("a");
    EXPECT_EQ(Column(g, 1), (std::vector<std::string>{"x", ""}));
    g.RemoveItemByName("absent");
    EXPECT_EQ(g.Grid.Rows(), 3);
}

TEST(GridModelRows, DeleteGridRowsKeepsTheRowCount) {
    EditGridModel g = MakeGrid(6, 2, {"a", "b", "c", "d"});
    g.Grid.SetSelection(3, 1, 2, 1);  // rows 2..3, selected upwards
    g.DeleteGridRows();
    EXPECT_EQ(g.Grid.Rows(), 6);
    EXPECT_EQ(Column(g, 1), (std::vector<std::string>{"a", "d", "", "", ""}));
    EXPECT_EQ(g.Grid.RowHeight(5), kStandardRowHeight);
    // The header row is never removed.
    g.Grid.SetSelection(0, 1, 1, 1);
    g.DeleteGridRows();
    EXPECT_EQ(g.Grid.Rows(), 6);
    EXPECT_EQ(Column(g, 1)[0], "d");
}

TEST(GridModelRows, ClearRowAndCopyRow) {
    EditGridModel g = MakeGrid(4, 3, {"a", "b"});
    g.SetLineNumber(1, 7);
    g.Grid.SetRowData(1, 42);
    g.CopyRow(1, 3);
    EXPECT_EQ(g.RowToStr(3, "0"), "8,a,a2");
    EXPECT_EQ(g.Grid.RowData(3), 42);
    // Copying past the end grows the table by 20 rows.
    g.CopyRow(2, 4);
    EXPECT_EQ(g.Grid.Rows(), 24);
    EXPECT_EQ(g.RowToStr(4, "0"), ",b,b2");  // no number to carry on
    g.ClearRow(1);
    EXPECT_EQ(g.RowToStr(1, "0"), "7,,");
    EXPECT_EQ(g.Grid.RowData(1), 0);
    g.ClearRow(0);
    EXPECT_EQ(g.Grid.TextMatrix(0, 1), "");
    g.CopyRow(1, 9999);
    EXPECT_EQ(g.Grid.Rows(), 24);
}

TEST(GridModelRows, InsertOneLineOpensABlankRowAndMovesGapsToo) {
    EditGridModel g = MakeGrid(7, 2, {"a", "", "b", "c"});
    g.RefreshItemNumber();  // numbers row 1 only: row 2 is empty
    g.Grid.SetCurrentCell(1, 1);
    EXPECT_EQ(g.InsertOneLine(), 1);
    EXPECT_EQ(Column(g, 1), (std::vector<std::string>{"", "a", "", "b", "c", ""}));
    EXPECT_EQ(g.Grid.TextMatrix(2, 0), "2");
    g.Grid.SetCurrentCell(2, 1);
    g.InsertOneLine(true);  // keeps the old line: a doubled row to overwrite
    EXPECT_EQ(Column(g, 1), (std::vector<std::string>{"", "a", "a", "", "b", "c"}));
}

TEST(GridModelRows, PackGridClosesGapsInTheKeyColumn) {
    EditGridModel g = MakeGrid(8, 2, {"a", "", "", "b", "", "c"});
    g.Grid.SetRowData(4, 40);
    g.Grid.SetCol(1);
    g.PackGrid();
    EXPECT_EQ(Column(g, 1), (std::vector<std::string>{"a", "b", "c", "", "", "", ""}));
    EXPECT_EQ(g.Grid.RowData(2), 40);  // the row's key moved with it
}

TEST(GridModelRows, PackGridKeepsRowsWhoseKeyCellAloneIsBlank) {
    EditGridModel g = MakeGrid(5, 3, {"a", "", "b"});
    g.Grid.SetTextMatrix(2, 2, "only in column two");
    g.Grid.SetCol(1);
    g.PackGrid();
    EXPECT_EQ(Column(g, 1), (std::vector<std::string>{"a", "b", "", ""}));
    EXPECT_EQ(g.GetSelRow("only in column two", 2), 3);
}

TEST(GridModelRows, GridClearKeepsHeadersAndRestartsFilling) {
    EditGridModel g = MakeGrid(4, 3);
    g.SetupColHeaders({"#", "Name", "Value", ""}, {"", "", "Amount"});
    g.AddRowDetail({"", "x", "1"}, 9, 1, 0);
    g.Grid.SetCurrentCell(1, 1);
    g.Grid.SetCellFontBold(true);
    g.GridClear();
    EXPECT_EQ(g.RowToStr(0, "0"), "#,Name,Amount");
    EXPECT_EQ(g.RowToStr(1, "0"), ",,");
    EXPECT_FALSE(g.Grid.CellAttr(1, 1).Bold);
    EXPECT_EQ(g.Grid.RowData(1), 0);
    EXPECT_EQ(g.Grid.Row(), 1);
    EXPECT_EQ(g.Grid.ColSel(), 1);
    g.AddRowDetail({"", "y", "2"}, 10, 1, 0);
    EXPECT_EQ(g.Grid.TextMatrix(1, 1), "y");
}

TEST(GridModelLineNumbers, NumberingFunctions) {
    EditGridModel g = MakeGrid(6, 2, {"a", "b", "", "d"});
    EXPECT_EQ(g.LastEditRow(), 2);
    EXPECT_EQ(Column(g, 0), (std::vector<std::string>{"1", "2", "", "", ""}));
    EXPECT_EQ(g.RefreshItemNumber(), 3);
    g.SetLineNumber(4, 9);
    g.ResetLineNumber();
    EXPECT_EQ(Column(g, 0), (std::vector<std::string>{"1", "2", "", "4", ""}));
    EditGridModel empty = MakeGrid(3, 2);
    EXPECT_EQ(empty.LastEditRow(), 0);
    EXPECT_EQ(empty.RefreshItemNumber(), 0);
    EditGridModel full = MakeGrid(3, 2, {"a", "b"});
    EXPECT_EQ(full.LastEditRow(), 2);
}

TEST(GridModelLineNumbers, SetLastEditRowOnlyNearTheFilledPart) {
    EditGridModel g = MakeGrid(8, 2, {"a", "b"});
    g.Grid.SetRow(3);
    g.SetLastEditRow();
    EXPECT_EQ(g.GetLastEditRow(), 3);
    EXPECT_FALSE(g.RowChanges());
    g.Grid.SetRow(6);
    g.SetLastEditRow();
    EXPECT_EQ(g.GetLastEditRow(), 3);
    EXPECT_TRUE(g.RowChanges());
    g.SetLastLineNumber(77);
    EXPECT_EQ(g.Grid.TextMatrix(3, 0), "77");
}

TEST(GridModelClipboard, CutAndPasteMovesTheRowWithItsData) {
    EditGridModel g = MakeGrid(6, 3);
    g.AddRowDetail({"", "a", "1"}, 101, 1, 0);
    g.AddRowDetail({"", "b", "2"}, 102, 1, 0);
    g.AddRowDetail({"", "c", "3"}, 103, 1, 0);
    const long rows = g.Grid.Rows();
    SelectRow(g, 3);
    EXPECT_FALSE(g.RowOperation(RowClipCut));
    EXPECT_TRUE(g.RowOperation(RowClipQuery));
    SelectRow(g, 1);
    g.RowOperation(RowClipPaste);
    EXPECT_EQ(Column(g, 1).at(0), "c");
    EXPECT_EQ(Column(g, 1).at(1), "a");
    EXPECT_EQ(Column(g, 1).at(2), "b");
    EXPECT_EQ(Column(g, 1).at(3), "");
    EXPECT_EQ(g.Grid.RowData(1), 103);
    EXPECT_EQ(g.Grid.RowData(2), 101);
    EXPECT_EQ(g.Grid.RowData(3), 102);
    EXPECT_EQ(Column(g, 0).at(0), "1");
    EXPECT_EQ(Column(g, 0).at(2), "3");
    EXPECT_EQ(g.Grid.Rows(), rows);
    EXPECT_EQ(g.RowClipSourceRow(), -1);
    // A second paste is a copy of the same text.
    SelectRow(g, 4);
    g.RowOperation(RowClipPaste);
    EXPECT_EQ(g.Grid.TextMatrix(4, 1), "c");
    EXPECT_EQ(g.Grid.RowData(4), -1);
}

TEST(GridModelClipboard, CopyPasteMarksTheRowAndOtherCodes) {
    EditGridModel g = MakeGrid(5, 3, {"a", "b"});
    g.Grid.SetRowData(1, 7);
    SelectRow(g, 1);
    EXPECT_FALSE(g.RowOperation(RowClipCopy));
    SelectRow(g, 3);
    g.RowOperation(RowClipPaste);
    EXPECT_EQ(g.Grid.TextMatrix(3, 2), "a2");
    EXPECT_EQ(g.Grid.RowData(3), -1);
    EXPECT_FALSE(g.RowOperation(0));
    EXPECT_FALSE(g.RowOperation(7));
    EXPECT_FALSE(g.RowOperation(-3));
    EXPECT_TRUE(g.RowOperation(RowClipEmpty));
    EXPECT_FALSE(g.RowOperation(RowClipQuery));
    // Paste with nothing held changes nothing.
    SelectRow(g, 4);
    g.RowOperation(RowClipPaste);
    EXPECT_EQ(g.Grid.TextMatrix(4, 1), "");
    EXPECT_EQ(g.Grid.RowData(4), 0);
    // Delete removes the row and keeps the count.
    SelectRow(g, 1);
    g.RowOperation(RowClipDelete);
    EXPECT_EQ(Column(g, 1), (std::vector<std::string>{"b", "a", "", ""}));
    EXPECT_EQ(g.Grid.Rows(), 5);
}

TEST(GridModelMarking, StrikeThroughMarksTheWholeRowOnly) {
    EditGridModel g = MakeGrid(4, 3, {"a", "b"});
    int hidden = 0;
    g.HideCellEditor = [&] { ++hidden; };
    g.Grid.SetCurrentCell(2, 2);
    g.SetRowStrikeThrough(1);
    for (long c = 0; c < 3; ++c) EXPECT_TRUE(g.Grid.CellAttr(2, c).StrikeThrough);
    EXPECT_FALSE(g.Grid.CellAttr(1, 1).StrikeThrough);
    EXPECT_TRUE(g.IsRowStrikeThrough());
    EXPECT_EQ(g.Grid.Props().FillStyle, FillSingle);
    g.ToggleRowStrikeThrough();
    EXPECT_EQ(hidden, 1);
    EXPECT_FALSE(g.Grid.CellAttr(2, 2).StrikeThrough);
    g.ToggleRowStrikeThrough();
    EXPECT_TRUE(g.Grid.CellAttr(2, 1).StrikeThrough);
}

TEST(GridModelSetup, ColumnHeadersFallBackToNamesAndHideBlankOnes) {
    EditGridModel g = MakeGrid(3, 4);
    g.SetupColHeaders({"No", "Key", "", "Value", "unused"}, {"", "Name", "", "  "});
    EXPECT_EQ(g.RowToStr(0, "0"), "No,Name,,Value");
    EXPECT_EQ(g.Grid.ColWidth(2), 0);
    EXPECT_EQ(g.Grid.ColWidth(1), kDefaultColWidth);
}

TEST(GridModelSetup, SetupSizesListsAndRowHeights) {
    EditGridModel g;
    g.Grid.SetCols(4);
    g.Grid.SetRows(5);
    g.Grid.SetRowHeight(3, 900);
    g.Setup();
    EXPECT_EQ(g.ColEditors().size(), 5u);
    EXPECT_EQ(g.ColTextWidths().size(), 5u);
    EXPECT_EQ(g.Grid.RowHeight(3), kStandardRowHeight);
    g.SetRowHeight(0, 2);
    EXPECT_EQ(g.Grid.RowHeight(1), kStandardRowHeight);
    g.SetRowHeight(400, 2);
    EXPECT_EQ(g.Grid.RowHeight(1), kStandardRowHeight);
    EXPECT_EQ(g.Grid.RowHeight(4), 400);
    EXPECT_EQ(g.Grid.RowSel(), 1);
    g.SetColFormat("a,0.00,,Short Date");
    EXPECT_EQ(g.ColFormatOf(1), "0.00");
    EXPECT_EQ(g.ColFormatOf(3), "Short Date");
    EXPECT_EQ(g.ColFormatOf(9), "");
}

TEST(GridModelChanges, NotificationsReachTheWindow) {
    EditGridModel g = MakeGrid(3, 3);
    std::vector<GridChange> seen;
    g.Grid.SetChangeHandler([&](GridChange c) { seen.push_back(c); });
    g.Grid.SetTextMatrix(1, 1, "x");
    g.Grid.SetCurrentCell(2, 2);
    g.Grid.SetRows(10);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0], GridChange::Cells);
    EXPECT_EQ(seen[1], GridChange::Selection);
    EXPECT_EQ(seen[2], GridChange::Layout);
}
