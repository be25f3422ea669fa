// The in-cell editors' decisions: beginning, committing, cancelling, moving
// on, the keys table, arithmetic, completion, spin buttons and placement.
#include <gtest/gtest.h>

#include "admin/grid/grid_editing.h"

namespace {

constexpr long kMouseOverData = 1;

// Columns: 1 text field, 2 spin field, 3 drop-down list, 4 editable drop-down.
EditGridModel MakeEditGrid() {
    EditGridModel g;
    g.Grid.SetCols(5);
    g.Grid.SetRows(4);
    g.Setup();
    SetCellCtl(g, 1, EditorText);
    SetCellCtl(g, 2, EditorSpin);
    SetCellCtl(g, 3, EditorDropDownList);
    SetCellCtl(g, 4, EditorDropDownEdit);
    return g;
}

}  // namespace

TEST(GridEditingBegin, TypedLetterStartsATextFieldAndLeavingStoresIt) {
    EditGridModel g = MakeEditGrid();
    g.Grid.SetCurrentCell(2, 1);
    g.Grid.SetTextMatrix(2, 1, "old");
    BeginEditPlan plan = BeginEdit(g, 'q', kMouseOverData);
    ASSERT_TRUE(plan.Open);
    EXPECT_EQ(plan.Kind, EditorText);
    EXPECT_EQ(plan.Text, "q");
    EXPECT_EQ(plan.SelStart, 1);
    EXPECT_EQ(plan.SelLength, 0);
    EXPECT_FALSE(plan.ShowUpDown);
    CommitEdit(g, true, plan.Text);
    EXPECT_EQ(g.Grid.TextMatrix(2, 1), "q");
}

TEST(GridEditingBegin, EnterOpensWithTheCellTextSelected) {
    EditGridModel g = MakeEditGrid();
    g.Grid.SetCurrentCell(1, 2);
    g.Grid.SetTextMatrix(1, 2, "12");
    BeginEditPlan plan = BeginEdit(g, KeyReturn, kMouseOverData);
    ASSERT_TRUE(plan.Open);
    EXPECT_TRUE(plan.ShowUpDown);
    EXPECT_EQ(plan.Text, "12");
    EXPECT_EQ(plan.SelStart, 0);
    EXPECT_EQ(plan.SelLength, 2);
    EXPECT_EQ(g.GetLastEditRow(), 1);
}

TEST(GridEditingBegin, ConditionsThatKeepTheEditorShut) {
    EditGridModel g = MakeEditGrid();
    g.Grid.SetCurrentCell(1, 1);
    EXPECT_FALSE(BeginEdit(g, 'a', 0).Open);  // pointer over the line numbers
    g.SetRowStrikeThrough(1);
    g.Grid.SetCurrentCell(1, 1);
    EXPECT_FALSE(BeginEdit(g, 'a', kMouseOverData).Open);  // struck-through row
    g.SetRowStrikeThrough(0);
    g.SetEditableRow(false);
    g.Grid.SetCurrentCell(1, 1);
    EXPECT_FALSE(BeginEdit(g, 'a', kMouseOverData).Open);
    g.SetEditableRow(true);
    SetCellCtlVisible(g, 1, false);
    EXPECT_FALSE(BeginEdit(g, 'a', kMouseOverData).Open);
    SetCellCtlVisible(g, 1, true);
    EXPECT_TRUE(BeginEdit(g, 'a', kMouseOverData).Open);
    SetCellCtl(g, 1, EditorOff);
    EXPECT_FALSE(BeginEdit(g, 'a', kMouseOverData).Open);
    SetCellCtlID(g, 1, EditorNone);
    EXPECT_FALSE(BeginEdit(g, 'a', kMouseOverData).Open);
    // A drop-down list without entries does not open.
    g.Grid.SetCurrentCell(1, 3);
    EXPECT_FALSE(BeginEdit(g, 'a', kMouseOverData).Open);
}

TEST(GridEditingBegin, DropDownsSelectOrLearnTheCellText) {
    EditGridModel g = MakeEditGrid();
    const std::vector<std::string> list{"Monday", "Tuesday"};
    g.Grid.SetCurrentCell(1, 3);
    g.Grid.SetTextMatrix(1, 3, "Tuesday");
    BeginEditPlan plan = BeginEdit(g, KeyReturn, kMouseOverData, list);
    ASSERT_TRUE(plan.Open);
    EXPECT_EQ(plan.SelectIndex, 1);
    g.Grid.SetTextMatrix(1, 3, "Friday");
    EXPECT_EQ(BeginEdit(g, KeyReturn, kMouseOverData, list).SelectIndex, -1);

    g.Grid.SetCurrentCell(1, 4);
    g.Grid.SetTextMatrix(1, 4, "  Sunday ");
    plan = BeginEdit(g, KeyReturn, kMouseOverData, list);
    ASSERT_TRUE(plan.AddEntry.has_value());
    EXPECT_EQ(*plan.AddEntry, "Sunday");
    EXPECT_EQ(plan.Text, "Sunday");
    g.Grid.SetTextMatrix(1, 4, " ");
    plan = BeginEdit(g, KeyReturn, kMouseOverData, list);
    EXPECT_FALSE(plan.AddEntry.has_value());
    EXPECT_EQ(plan.Text, "");
    plan = BeginEdit(g, 'm', kMouseOverData, list);
    EXPECT_EQ(plan.Text, "m");
    EXPECT_EQ(plan.SelStart, 1);
}

TEST(GridEditingCommit, ArithmeticOnlyInTextFields) {
    EditGridModel g = MakeEditGrid();
    g.Grid.SetCurrentCell(1, 1);
    CommitEdit(g, true, "2*21");
    EXPECT_EQ(g.Grid.TextMatrix(1, 1), "42");
    g.Grid.SetCurrentCell(1, 2);
    CommitEdit(g, true, "2*21");
    EXPECT_EQ(g.Grid.TextMatrix(1, 2), "2*21");
    // An editor that is not visible stores nothing.
    g.Grid.SetCurrentCell(1, 1);
    CommitEdit(g, false, "99");
    EXPECT_EQ(g.Grid.TextMatrix(1, 1), "42");
}

TEST(GridEditingCommit, ColumnFormatAppliesEvenWithoutAnEdit) {
    EditGridModel g = MakeEditGrid();
    g.SetColFormat(",0.00,,,Short Date");
    g.Grid.SetTextMatrix(1, 1, "3");
    g.Grid.SetCurrentCell(1, 1);
    CommitEdit(g, false, "");
    EXPECT_EQ(g.Grid.TextMatrix(1, 1), "3.00");
    g.Grid.SetCurrentCell(2, 1);
    CommitEdit(g, true, "10/4");
    EXPECT_EQ(g.Grid.TextMatrix(2, 1), "2.50");
    g.Grid.SetCurrentCell(2, 4);
    CommitEdit(g, true, "December 7, 2026");
    EXPECT_EQ(g.Grid.TextMatrix(2, 4), "12/7/2026");
    // Blank cells stay blank.
    g.Grid.SetCurrentCell(3, 1);
    CommitEdit(g, true, "");
    EXPECT_EQ(g.Grid.TextMatrix(3, 1), "");
}

TEST(GridEditingArithmetic, ExamplesAndLimits) {
    EXPECT_EQ(InCellArithmetic("12*3"), "36");
    EXPECT_EQ(InCellArithmetic("10/4"), "2.5");
    EXPECT_EQ(InCellArithmetic("7-2"), "5");
    EXPECT_EQ(InCellArithmetic("1/2/03"), "0.5");
    EXPECT_EQ(InCellArithmetic("-5"), "-5");
    EXPECT_EQ(InCellArithmetic("5*-2"), "-10");
    EXPECT_EQ(InCellArithmetic("3+4+5"), "7");  // parts after the second are ignored
    EXPECT_EQ(InCellArithmetic("0.1+0.2"), "0.3");
    EXPECT_EQ(InCellArithmetic("5/0"), "5/0");
    EXPECT_EQ(InCellArithmetic("12/25/2026"), "12/25/2026");  // a long date stays
    EXPECT_EQ(InCellArithmetic("abc*2"), "abc*2");
    EXPECT_EQ(InCellArithmetic("1e300*1e300"), "1e300*1e300");  // overflow keeps the text
    EXPECT_EQ(InCellArithmetic("99999999999999999999*99999999999"), "9.9999999999E+30");
    EXPECT_EQ(InCellArithmetic(std::string(100000, '9') + "*2"), std::string(100000, '9') + "*2");
    EXPECT_EQ(InCellArithmetic(std::string(5000, '*')), std::string(5000, '*'));
    FormatLocale german;
    german.DecimalSeparator = ',';
    german.ThousandSeparator = '.';
    EXPECT_EQ(InCellArithmetic("10/4", german), "2,5");
}

TEST(GridEditingKeys, TheKeysTable) {
    EXPECT_EQ(DecideEditorKey(EditorText, KeyEscape), EditorKeyAction::Cancel);
    EXPECT_EQ(DecideEditorKey(EditorText, KeyReturn), EditorKeyAction::MoveOn);
    EXPECT_EQ(DecideEditorKey(EditorSpin, KeyPageDown), EditorKeyAction::CloseEditor);
    EXPECT_EQ(DecideEditorKey(EditorText, KeyLeft), EditorKeyAction::EditorOwn);
    EXPECT_EQ(DecideEditorKey(EditorText, KeyTab), EditorKeyAction::EditorOwn);
    EXPECT_EQ(DecideEditorKey(EditorText, KeyDelete), EditorKeyAction::EditorOwn);
    EXPECT_EQ(DecideEditorKey(EditorDropDownList, KeyDelete), EditorKeyAction::ClearSelection);
    EXPECT_EQ(DecideEditorKey(EditorDropDownList, KeyHome), EditorKeyAction::EditorOwn);
    EXPECT_EQ(DecideEditorKey(EditorDropDownList, KeyEscape), EditorKeyAction::Cancel);
    EXPECT_EQ(DecideEditorKey(EditorDropDownList, KeyReturn), EditorKeyAction::CommitMoveOn);
    EXPECT_EQ(DecideEditorKey(EditorDropDownList, 'A'), EditorKeyAction::CommitOnly);
    EXPECT_EQ(DecideEditorKey(EditorDropDownEdit, KeyDelete), EditorKeyAction::ClearSelection);
    EXPECT_EQ(DecideEditorKey(EditorDropDownEdit, KeyBack), EditorKeyAction::EditorOwn);
    EXPECT_EQ(DecideEditorKey(EditorDropDownEdit, KeyReturn), EditorKeyAction::MoveOn);
    EXPECT_EQ(DecideEditorKey(EditorDropDownEdit, 'A'), EditorKeyAction::EditorOwn);
}

TEST(GridEditingCancel, EscapeTwiceRestoresThenCloses) {
    EditGridModel g = MakeEditGrid();
    g.Grid.SetCurrentCell(1, 1);
    g.Grid.SetTextMatrix(1, 1, "stored");
    EXPECT_EQ(DecideCancel(g, kMouseOverData, "typing"), CancelAction::RestoreText);
    EXPECT_EQ(DecideCancel(g, kMouseOverData, "stored"), CancelAction::CloseEditor);
    EXPECT_EQ(g.Grid.TextMatrix(1, 1), "stored");
    EXPECT_EQ(DecideCancel(g, 0, "typing"), CancelAction::None);
    g.Grid.SetCurrentCell(1, 0);
    EXPECT_EQ(DecideCancel(g, kMouseOverData, "typing"), CancelAction::None);
}

TEST(GridEditingMoveOn, EnterMovesRightThenWrapsOrMovesDown) {
    EditGridModel g = MakeEditGrid();
    g.Grid.SetCurrentCell(1, 2);
    auto next = NextCellOnEnter(g);
    ASSERT_TRUE(next.has_value());
    EXPECT_EQ(next->Row, 1);
    EXPECT_EQ(next->Col, 3);
    g.Grid.SetCurrentCell(1, 4);
    next = NextCellOnEnter(g);
    ASSERT_TRUE(next.has_value());
    EXPECT_EQ(next->Row, 2);
    EXPECT_EQ(next->Col, 1);
    g.Grid.SetCurrentCell(3, 4);
    EXPECT_FALSE(NextCellOnEnter(g).has_value());
    SetCellColMove(g, true);
    g.Grid.SetCurrentCell(1, 2);
    next = NextCellOnEnter(g);
    ASSERT_TRUE(next.has_value());
    EXPECT_EQ(next->Row, 2);
    EXPECT_EQ(next->Col, 2);
    g.Grid.SetCurrentCell(3, 2);
    EXPECT_FALSE(NextCellOnEnter(g).has_value());
}

TEST(GridEditingCompletion, TuBecomesTuesdayWithTheRemainderSelected) {
    const std::vector<std::string> list{"Monday", "Tuesday", "tuba"};
    Completion c = AutoComplete("tu", list);
    ASSERT_TRUE(c.Found);
    EXPECT_EQ(c.Text, "Tuesday");
    EXPECT_EQ(c.SelStart, 2);
    EXPECT_EQ(c.SelLength, 5);
    c = AutoComplete("MONDAY", list);
    EXPECT_EQ(c.Text, "Monday");
    EXPECT_EQ(c.SelLength, 0);
    EXPECT_FALSE(AutoComplete("x", list).Found);
    EXPECT_FALSE(AutoComplete("", list).Found);
    EXPECT_FALSE(AutoComplete("Mondays", list).Found);
}

TEST(GridEditingCompletion, TypeAheadWaitsForAPause) {
    TypeAhead t;
    EXPECT_FALSE(t.TimerFired());
    EXPECT_FALSE(t.KeyReleased(KeyLeft));
    EXPECT_FALSE(t.KeyReleased(KeyBack));
    EXPECT_FALSE(t.Pending());
    EXPECT_TRUE(t.KeyReleased('T'));
    EXPECT_TRUE(t.KeyReleased('U'));
    EXPECT_TRUE(t.TimerFired());
    EXPECT_FALSE(t.TimerFired());
    EXPECT_EQ(TypeAhead::IntervalMs(0), kDefaultTypeAheadMs);
    EditGridModel g;
    SetTypeCheckingTime(g, 750);
    EXPECT_EQ(TypeAhead::IntervalMs(g.TypeCheckingTime), 750);
    SetTypeCheckingTime(g, -5);
    EXPECT_EQ(TypeAhead::IntervalMs(g.TypeCheckingTime), kDefaultTypeAheadMs);
}

TEST(GridEditingSpin, NumbersAndDatesStep) {
    EXPECT_EQ(SpinText(" 5 ", false), "4");
    EXPECT_EQ(SpinText("5", true), "6");
    EXPECT_EQ(SpinText("-0.5", true), "0.5");
    EXPECT_EQ(SpinText("12/1/2026", false), "11/30/2026");
    EXPECT_EQ(SpinText("12/31/2026", true), "1/1/2027");
    EXPECT_EQ(SpinText(" text ", true), "text");
    EXPECT_EQ(SpinText("1e308", true), "1E+308");
}

TEST(GridEditingPlacement, EditorsSitOverTheCell) {
    CellRect cell{1000, 500, 1200, 285};
    EditorPlacement text = PlaceEditor(EditorText, cell);
    EXPECT_EQ(text.Top, 490);
    EXPECT_EQ(text.Left, 990);
    EXPECT_EQ(text.Width, 1220);
    EXPECT_EQ(text.Height, 285);
    EditorPlacement drop = PlaceEditor(EditorDropDownList, cell);
    EXPECT_EQ(drop.Width, 1210);
    EXPECT_TRUE(drop.SetLeft);
    EXPECT_FALSE(drop.SetHeight);
    EditorPlacement edge = PlaceEditor(EditorDropDownEdit, CellRect{0, 0, 0, 285});
    EXPECT_FALSE(edge.SetLeft);
    EXPECT_TRUE(edge.SetWidth);
    EditorPlacement spin = PlaceUpDown(cell);
    EXPECT_EQ(spin.Left, 2200);
    EXPECT_EQ(spin.Width, 240);
    EditorPlacement options = PlaceHeaderOptions(cell);
    EXPECT_EQ(options.Top, 215);
    EXPECT_EQ(options.Left, 990);
    EXPECT_EQ(options.Width, 1210);
}

TEST(GridEditingEvents, EnteringACellIsRememberedAndArgumentsAreByReference) {
    EditGridModel g = MakeEditGrid();
    g.Grid.SetCurrentCell(2, 3);
    NoteEnteredCell(g);
    EXPECT_EQ(g.LastEnterRow, 2);
    EXPECT_EQ(g.LastEnterCol, 3);
    struct Upper : EditGridListener {
        void KeyPress(int& key) override { key = 'X'; }
    } owner;
    EditGridListener& listener = owner;
    int key = 'a';
    listener.KeyPress(key);
    g.Grid.SetCurrentCell(1, 1);
    EXPECT_EQ(BeginEdit(g, key, kMouseOverData).Text, "X");
}
