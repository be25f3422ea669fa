// The header option list, sorting, fitting, totals, selection helpers,
// colours, row styles and finding.
#include <gtest/gtest.h>

#include "admin/grid/grid_menu.h"

namespace {

EditGridModel GridWithColumn(const std::vector<std::string>& values, long cols = 3) {
    EditGridModel g;
    g.Grid.SetCols(cols);
    g.Grid.SetRows(static_cast<long>(values.size()) + 3);
    g.Setup();
    for (size_t i = 0; i < values.size(); ++i) {
        long r = static_cast<long>(i) + 1;
        g.Grid.SetTextMatrix(r, 1, values[i]);
        g.Grid.SetTextMatrix(r, 2, "row" + std::to_string(r));
        g.Grid.SetRowData(r, r * 10);
    }
    return g;
}

std::vector<std::string> Column(const EditGridModel& g, long col) {
    std::vector<std::string> out;
    for (long r = 1; r < g.Grid.Rows(); ++r) out.push_back(g.Grid.TextMatrix(r, col));
    return out;
}

std::vector<std::string> SortColumnOne(const std::vector<std::string>& values, int kind) {
    EditGridModel g = GridWithColumn(values);
    SelectColumn(g, 1);
    Sort(g, kind);
    return Column(g, 1);
}

}  // namespace

TEST(GridMenuOptions, CaptionsAndCodesAsOffered) {
    std::vector<HeaderOption> opts = ColComboOptions("0,1,2,9");
    ASSERT_EQ(opts.size(), 4u);
    EXPECT_EQ(opts[0].Caption, "Sort None");
    EXPECT_EQ(opts[1].Caption, "Generic Ascending");
    EXPECT_EQ(opts[2].Caption, "Generic Descending");
    EXPECT_EQ(opts[3].Caption, "Auto Column Fit");
    EXPECT_EQ(opts[3].Code, 9);
    // "10" also offers 0 and 1: the match is on the text.
    opts = ColComboOptions("10");
    ASSERT_EQ(opts.size(), 3u);
    EXPECT_EQ(opts[2].Caption, "Find");
    EXPECT_EQ(HeaderOptionCaption(5), "No Case Asending");
    EXPECT_EQ(HeaderOptionCaption(11), "");
    EXPECT_EQ(ColComboOptions("11").size(), 1u);  // "1" only
    EXPECT_TRUE(ColComboOptions("").empty());
}

TEST(GridMenuOptions, ChoosingAndShowing) {
    EXPECT_EQ(ChooseHeaderOption(0, 1), HeaderOptionAction::None);  // position 0 never acts
    EXPECT_EQ(ChooseHeaderOption(1, 3), HeaderOptionAction::Sort);
    EXPECT_EQ(ChooseHeaderOption(2, 9), HeaderOptionAction::AutoColFit);
    EXPECT_EQ(ChooseHeaderOption(3, 10), HeaderOptionAction::Find);
    EXPECT_EQ(ChooseHeaderOption(3, 0), HeaderOptionAction::None);
    EditGridModel g = GridWithColumn({"b", "a"});
    g.Grid.SetCurrentCell(1, 1);
    EXPECT_TRUE(ShouldShowHeaderOptions(g, 0, 2));
    EXPECT_FALSE(ShouldShowHeaderOptions(g, 1, 2));
    EXPECT_FALSE(ShouldShowHeaderOptions(g, 0, 0));
    g.Grid.SetRowSel(2);
    EXPECT_FALSE(ShouldShowHeaderOptions(g, 0, 2));  // several rows selected
}

TEST(GridMenuOptions, RunningASortClosesTheEditorAndPacks) {
    EditGridModel g = GridWithColumn({"b", "", "a"});
    int hidden = 0;
    g.HideCellEditor = [&] { ++hidden; };
    SelectColumn(g, 1);
    EXPECT_EQ(RunHeaderOption(g, 1, OptionGenericAscending), HeaderOptionAction::Sort);
    EXPECT_EQ(hidden, 1);
    EXPECT_EQ(Column(g, 1), (std::vector<std::string>{"a", "b", "", "", ""}));
}

TEST(GridMenuSort, EachKind) {
    const std::vector<std::string> v{"b", "10", "B", "9", "a"};
    EXPECT_EQ(SortColumnOne(v, 1), (std::vector<std::string>{"9", "10", "a", "B", "b", "", ""}));
    EXPECT_EQ(SortColumnOne(v, 2), (std::vector<std::string>{"b", "B", "a", "10", "9", "", ""}));
    // Numeric: text reads as 0 and keeps its order among equals.
    EXPECT_EQ(SortColumnOne(v, 3), (std::vector<std::string>{"b", "B", "a", "9", "10", "", ""}));
    EXPECT_EQ(SortColumnOne(v, 4), (std::vector<std::string>{"10", "9", "b", "B", "a", "", ""}));
    EXPECT_EQ(SortColumnOne(v, 5), (std::vector<std::string>{"10", "9", "a", "b", "B", "", ""}));
    EXPECT_EQ(SortColumnOne(v, 6), (std::vector<std::string>{"b", "B", "a", "9", "10", "", ""}));
    EXPECT_EQ(SortColumnOne(v, 7), (std::vector<std::string>{"10", "9", "B", "a", "b", "", ""}));
    EXPECT_EQ(SortColumnOne(v, 8), (std::vector<std::string>{"b", "a", "B", "9", "10", "", ""}));
    // Kinds outside 1..8 leave the rows alone.
    EXPECT_EQ(SortColumnOne(v, 0), (std::vector<std::string>{"b", "10", "B", "9", "a", "", ""}));
    EXPECT_EQ(SortColumnOne(v, 9), (std::vector<std::string>{"b", "10", "B", "9", "a", "", ""}));
}

TEST(GridMenuSort, RowsMoveWholeAndBlanksEndBelow) {
    EditGridModel g = GridWithColumn({"c", "", "a", "b"});
    SelectColumn(g, 1);
    Sort(g, OptionStringAscending);
    EXPECT_EQ(Column(g, 1), (std::vector<std::string>{"a", "b", "c", "", "", ""}));
    EXPECT_EQ(Column(g, 2)[0], "row3");
    EXPECT_EQ(g.Grid.RowData(1), 30);
    EXPECT_EQ(g.Grid.RowData(3), 10);
    // The row whose key was blank keeps its other cells.
    EXPECT_EQ(Column(g, 2)[3], "row2");
    // Only the selected rows move.
    EditGridModel part = GridWithColumn({"d", "c", "b", "a"});
    part.Grid.SetSelection(2, 1, 3, 1);
    Sort(part, OptionStringAscending);
    EXPECT_EQ(Column(part, 1), (std::vector<std::string>{"d", "b", "c", "a", "", ""}));
}

TEST(GridMenuFit, RecordedWidthsTimesHundredCappedAndHidden) {
    EditGridModel g;
    g.Grid.SetCols(4);
    g.Grid.SetRows(3);
    g.Setup();
    g.AddRowDetail({"", "twelve chars", "", std::string(400, 'x')}, 1, 1, 0);
    g.Grid.SetSelection(1, 1, 1, 3);
    AutoColFit(g);
    EXPECT_EQ(g.Grid.ColWidth(1), 1200);
    EXPECT_EQ(g.Grid.ColWidth(2), 0);  // never received a text
    EXPECT_EQ(g.Grid.ColWidth(3), kMaxColWidth);
    EXPECT_EQ(g.Grid.ColWidth(0), kDefaultColWidth);  // outside the selection
    // A caption longer than the recorded text changes nothing: no text is measured.
    g.Grid.SetTextMatrix(0, 1, "A long caption for the column");
    g.Grid.SetColWidth(2, 500);
    g.Grid.SetSelection(1, 1, 1, 2);
    AutoColFit(g);
    EXPECT_EQ(g.Grid.ColWidth(1), 1200);
    EXPECT_EQ(g.Grid.ColWidth(2), 0);
    // From the current column rightwards to the selection's end only: a
    // selection ending left of the current column fits nothing.
    g.Grid.SetColWidth(1, 700);
    g.Grid.SetColWidth(3, 900);
    g.Grid.SetSelection(1, 3, 1, 1);
    AutoColFit(g);
    EXPECT_EQ(g.Grid.ColWidth(1), 700);
    EXPECT_EQ(g.Grid.ColWidth(3), 900);
}

TEST(GridMenuFit, FittingToTheMeasuredTextIsSeparate) {
    EditGridModel g;
    g.Grid.SetCols(4);
    g.Grid.SetRows(3);
    g.Setup();
    g.AddRowDetail({"", "twelve chars", "", "x"}, 1, 1, 0);
    g.Grid.SetTextMatrix(0, 1, "A long caption for the column");
    g.Grid.SetColWidth(3, 4000);
    g.Grid.SetSelection(1, 3, 1, 1);  // either direction
    FitColumnsToText(g, [](const std::string& t) { return static_cast<long>(t.size()) * 90; });
    EXPECT_EQ(g.Grid.ColWidth(1), 29 * 90 + 120);
    EXPECT_EQ(g.Grid.ColWidth(2), kDefaultColWidth);  // no text: kept
    EXPECT_EQ(g.Grid.ColWidth(3), 90 + 120);
}

TEST(GridMenuTotals, SumsNumericCellsOnly) {
    EditGridModel g = GridWithColumn({"1", "x", "", "2.5"});
    EXPECT_DOUBLE_EQ(ColTotal(g, 1), 3.5);
    EXPECT_DOUBLE_EQ(ColTotal(g, 2), 0);
    EXPECT_DOUBLE_EQ(ColTotal(g, 99), 0);
}

TEST(GridMenuSelection, Helpers) {
    EditGridModel g = GridWithColumn({"a", "b"});
    g.Grid.SetCurrentCell(2, 1);
    SelectOneRow(g);
    EXPECT_EQ(g.Grid.Clip(), "\tb\trow2");
    SelectGridAll(g);
    EXPECT_EQ(g.Grid.Row(), 1);
    EXPECT_EQ(g.Grid.Col(), 0);
    EXPECT_EQ(g.Grid.RowSel(), g.Grid.Rows() - 1);
    EXPECT_EQ(g.Grid.ColSel(), 2);
    SelectGridNone(g);
    EXPECT_EQ(g.Grid.Row() + g.Grid.Col() + g.Grid.RowSel() + g.Grid.ColSel(), 0);
}

TEST(GridMenuStyle, ColoursAndRowStyles) {
    EditGridModel g = GridWithColumn({"a", "b"});
    SetCellForeColor(g, 1, 2, 0x0000FF);
    EXPECT_EQ(g.Grid.CellAttr(1, 2).ForeColor, 0x0000FFu);
    EXPECT_EQ(g.Grid.CellAttr(1, 1).ForeColor, kDefaultCellColor);
    EXPECT_EQ(g.Grid.Row(), 1);
    g.Grid.SetCurrentCell(1, 2);
    SetRowForeColor(g, 2, 0x00FF00);
    for (long c = 0; c < 3; ++c) EXPECT_EQ(g.Grid.CellAttr(2, c).ForeColor, 0x00FF00u);
    EXPECT_EQ(g.Grid.Row(), 2);
    EXPECT_EQ(g.Grid.Col(), 2);

    SetRowStyle(g, 1, "Bold", 1);
    SetRowStyle(g, 1, "Italic", 1);
    SetRowStyle(g, 1, "UnderLine", 1);
    SetRowStyle(g, 1, "StrickThrough", 1);
    CellAttributes a = g.Grid.CellAttr(1, 2);
    EXPECT_TRUE(a.Bold && a.Italic && a.Underline && a.StrikeThrough);
    EXPECT_FALSE(g.Grid.CellAttr(2, 2).Bold);
    // A word in the wrong case sets nothing and switches three attributes off.
    SetRowStyle(g, 1, "bold", 0);
    a = g.Grid.CellAttr(1, 0);
    EXPECT_TRUE(a.Bold);
    EXPECT_FALSE(a.Italic || a.Underline || a.StrikeThrough);
    EXPECT_EQ(g.Grid.Props().FillStyle, FillSingle);
}

TEST(GridMenuFind, NextCellContainingTheTextWraps) {
    EditGridModel g = GridWithColumn({"apple", "Banana", "cherry", "banana split"});
    g.Grid.SetCurrentCell(1, 1);
    ASSERT_TRUE(FindNext(g, "BANANA"));
    EXPECT_EQ(g.Grid.Row(), 2);
    ASSERT_TRUE(FindNext(g, "banana"));
    EXPECT_EQ(g.Grid.Row(), 4);
    ASSERT_TRUE(FindNext(g, "banana"));  // wraps to the top
    EXPECT_EQ(g.Grid.Row(), 2);
    ASSERT_TRUE(FindNext(g, "banana", true));
    EXPECT_EQ(g.Grid.Row(), 4);
    ASSERT_TRUE(FindNext(g, "row3"));  // other columns too
    EXPECT_EQ(g.Grid.Col(), 2);
    EXPECT_FALSE(FindNext(g, "durian"));
    EXPECT_EQ(g.Grid.Row(), 3);
    EXPECT_FALSE(FindNext(g, ""));
    g.Grid.SetColWidth(2, 0);  // hidden columns are skipped
    g.Grid.SetCurrentCell(1, 1);
    EXPECT_FALSE(FindNext(g, "row3"));
}
