// The grid control's windows for real (run under Wine): editors over the
// cell, keys, the header option list, scrolling, the clipboard, the find box,
// sizing and the events the owner sees.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "admin/grid/edit_grid_win32.h"
#include "admin/grid/grid_find_box_win32.h"
#include "admin/grid/grid_menu.h"
#include "shared/settings_store.h"
#include "shared/win32/handles.h"
#include "shared/win32/window_helpers.h"

namespace {

void Pump(DWORD forMs = 0) {
    const DWORD until = GetTickCount() + forMs;
    MSG msg;
    do {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (forMs) Sleep(10);
    } while (GetTickCount() < until);
}

void Key(HWND window, WPARAM vk) {
    SendMessageA(window, WM_KEYDOWN, vk, 1);
    SendMessageA(window, WM_KEYUP, vk, 0xC0000001);
}

void Type(HWND window, const std::string& text) {
    for (char c : text) {
        SendMessageA(window, WM_CHAR, static_cast<unsigned char>(c), 1);
        SendMessageA(window, WM_KEYUP, static_cast<unsigned char>(toupper(c)), 0xC0000001);
    }
}

// Records what the owner is told, and can change key arguments.
struct Owner : EditGridListener {
    std::vector<std::string> Events;
    int ReplaceKeyAscii = 0;
    bool SwallowKeyDown = false;
    bool CancelValidate = false;
    const FlexGrid* Sorted = nullptr;  // Compare orders column 1 by length
    void Validate(bool& Cancel) override {
        Events.push_back("Validate");
        Cancel = CancelValidate;
    }
    void Compare(long Row1, long Row2, int& Cmp) override {
        const size_t a = Sorted->TextMatrix(Row1, 1).size(), b = Sorted->TextMatrix(Row2, 1).size();
        Cmp = a < b ? -1 : a > b ? 1 : 0;
    }
    void KeyDown(int& KeyCode, int&) override {
        if (SwallowKeyDown) KeyCode = 0;
    }
    void KeyPress(int& KeyAscii) override {
        if (ReplaceKeyAscii) KeyAscii = ReplaceKeyAscii;
    }
    void LeaveCell() override { Events.push_back("LeaveCell"); }
    void EnterCell() override { Events.push_back("EnterCell"); }
    void RowColChange() override { Events.push_back("RowColChange"); }
    void Scroll() override { Events.push_back("Scroll"); }
    void MouseDown(int Button, int, long, long) override { Events.push_back("MouseDown" + std::to_string(Button)); }
    void Click() override { Events.push_back("Click"); }
};

class GridWindow : public ::testing::Test {
protected:
    void SetUp() override {
        host_ = CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 640, 420, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(host_, nullptr);
        ASSERT_TRUE(grid_.Create(host_, 7, RECT{10, 10, 610, 370}));
        grid_.SetListener(&owner_);
        FlexGrid& g = grid_.Grid();
        g.SetCols(6);
        g.SetRows(12);
        grid_.Setup();
        grid_.SetCellCtl(1, EditorText);
        grid_.SetCellCtl(2, EditorSpin);
        grid_.SetCellCtl(3, EditorDropDownList);
        grid_.SetCellCtl(4, EditorDropDownEdit);
        grid_.SetCellCtl(5, EditorText);
        grid_.AddCellComboItem(3, "Accepted");
        grid_.AddCellComboItem(3, "Declined");
        grid_.AddCellComboEditItem(4, "Monday");
        grid_.AddCellComboEditItem(4, "Tuesday");
        grid_.Model().SetColFormat(",,,,,0.00");
        for (long r = 1; r <= 3; ++r) {
            g.SetTextMatrix(r, 1, "abc" + std::to_string(r));
            g.SetTextMatrix(r, 2, "5");
        }
        g.SetCurrentCell(1, 1);
        grid_.SetFocus();
        Pump();
    }
    void TearDown() override {
        if (host_) DestroyWindow(host_);
    }
    HWND Grid() const { return grid_.GridHwnd(); }
    RECT RectInControl(HWND child) const {
        RECT r{};
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, grid_.Hwnd(), reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
    POINT CellCentre(long row, long col) const {
        const FlexGrid& g = grid_.Model().Grid;
        const TwipScale& s = grid_.Scale();
        return POINT{static_cast<LONG>(s.ToPixelsX(g.ColPos(col) + g.ColWidth(col) / 2)),
                     static_cast<LONG>(s.ToPixelsY(g.RowPos(row) + g.RowHeight(row) / 2))};
    }
    void Press(POINT at, UINT down = WM_LBUTTONDOWN, UINT up = WM_LBUTTONUP) {
        SendMessageA(Grid(), down, down == WM_LBUTTONDOWN ? MK_LBUTTON : MK_RBUTTON, MAKELPARAM(at.x, at.y));
        SendMessageA(Grid(), up, 0, MAKELPARAM(at.x, at.y));
    }
    HWND host_ = nullptr;
    Owner owner_;
    ctlEditGrid grid_;
};

}  // namespace

TEST_F(GridWindow, TypingOpensTheTextFieldOverTheCellAndEnterCommitsWithArithmetic) {
    Type(Grid(), "2");
    HWND text = grid_.GetCellTextBox(1);
    ASSERT_EQ(grid_.OpenEditorKind(), EditorText);
    EXPECT_TRUE(IsWindowVisible(text));
    EXPECT_EQ(GetFocus(), text);
    EXPECT_EQ(WindowText(text), "2");
    DWORD from = 0, to = 0;
    SendMessageA(text, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    EXPECT_EQ(from, 1u);  // caret after the typed character, nothing selected
    EXPECT_EQ(to, 1u);
    // Laid over the cell: 10 twips up and left, 20 twips wider.
    const FlexGrid& g = grid_.Model().Grid;
    const RECT r = RectInControl(text);
    EXPECT_EQ(r.left, grid_.Scale().ToPixelsX(g.ColPos(1)) - 1);
    EXPECT_EQ(r.top, grid_.Scale().ToPixelsY(g.RowPos(1)) - 1);
    EXPECT_EQ(r.bottom - r.top, grid_.Scale().ToPixelsY(g.RowHeight(1)));

    Type(text, "*21");
    Key(text, VK_RETURN);
    EXPECT_EQ(g.TextMatrix(1, 1), "42");
    // Moved on to the spin field, opened as by Enter: the cell's text, all selected.
    EXPECT_EQ(g.Col(), 2);
    ASSERT_EQ(grid_.OpenEditorKind(), EditorSpin);
    EXPECT_TRUE(IsWindowVisible(grid_.GetUpDown()));
    EXPECT_EQ(WindowText(text), "5");
    SendMessageA(text, EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    EXPECT_EQ(to - from, 1u);
    const RECT spin = RectInControl(grid_.GetUpDown());
    EXPECT_EQ(spin.left, grid_.Scale().ToPixelsX(g.ColPos(2) + g.ColWidth(2)));
    EXPECT_EQ(spin.right - spin.left, 16);  // 240 twips
}

TEST_F(GridWindow, SpinButtonsStepNumbersAndDatesAndLeaveOtherText) {
    grid_.Grid().SetCurrentCell(1, 2);
    SendMessageA(Grid(), WM_CHAR, VK_RETURN, 1);
    ASSERT_EQ(grid_.OpenEditorKind(), EditorSpin);
    HWND text = grid_.GetCellTextBox(2);
    auto click = [&](int delta) {
        NMUPDOWN change{};
        change.hdr.hwndFrom = grid_.GetUpDown();
        change.hdr.idFrom = kGridUpDownId;
        change.hdr.code = UDN_DELTAPOS;
        change.iDelta = delta;
        SendMessageA(grid_.Hwnd(), WM_NOTIFY, kGridUpDownId, reinterpret_cast<LPARAM>(&change));
    };
    click(-1);
    EXPECT_EQ(WindowText(text), "4");
    click(1);
    click(1);
    EXPECT_EQ(WindowText(text), "6");
    const FormatLocale locale = SystemFormatLocale();
    DateTimeValue day;
    day.Year = 2026;
    day.Month = 3;
    day.Day = 1;
    SetWindowTextA(text, DateText(day, locale).c_str());
    click(-1);
    EXPECT_EQ(WindowText(text), DateText(AddDaysTo(day, -1), locale));  // 28 February
    SetWindowTextA(text, " word ");
    click(1);
    EXPECT_EQ(WindowText(text), "word");
}

TEST_F(GridWindow, EscapeFirstUndoesTheTypingThenCloses) {
    Type(Grid(), "x");
    HWND text = grid_.GetCellTextBox(1);
    Key(text, VK_ESCAPE);
    EXPECT_TRUE(IsWindowVisible(text));
    EXPECT_EQ(WindowText(text), "abc1");
    Key(text, VK_ESCAPE);
    EXPECT_FALSE(IsWindowVisible(text));
    EXPECT_EQ(grid_.OpenEditorKind(), 0);
    EXPECT_EQ(GetFocus(), Grid());
    EXPECT_EQ(grid_.Grid().TextMatrix(1, 1), "abc1");
}

TEST_F(GridWindow, NoEditorOverLineNumbersOnStruckRowsOrReadOnlyGrids) {
    SendMessageA(Grid(), WM_MOUSEMOVE, 0, MAKELPARAM(5, CellCentre(2, 0).y));
    EXPECT_EQ(grid_.MouseCol(), 0);
    Type(Grid(), "a");
    EXPECT_EQ(grid_.OpenEditorKind(), 0);
    // The pointer gone, typing edits again.
    SendMessageA(Grid(), WM_MOUSELEAVE, 0, 0);
    grid_.Model().SetRowStrikeThrough(1);
    grid_.Grid().SetCurrentCell(1, 1);
    Type(Grid(), "a");
    EXPECT_EQ(grid_.OpenEditorKind(), 0);
    grid_.Grid().SetCurrentCell(2, 1);
    grid_.Model().SetEditableRow(false);
    Type(Grid(), "a");
    EXPECT_EQ(grid_.OpenEditorKind(), 0);
    grid_.Model().SetEditableRow(true);
    Type(Grid(), "a");
    EXPECT_EQ(grid_.OpenEditorKind(), EditorText);
}

TEST_F(GridWindow, DropDownListSelectsTheCellsEntryAndCommitsTheChoice) {
    FlexGrid& g = grid_.Grid();
    g.SetTextMatrix(1, 3, "Declined");
    g.SetCurrentCell(1, 3);
    SendMessageA(Grid(), WM_CHAR, VK_RETURN, 1);
    ASSERT_EQ(grid_.OpenEditorKind(), EditorDropDownList);
    HWND combo = grid_.GetCellCombo(3);
    EXPECT_TRUE(IsWindowVisible(combo));
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 1);
    Key(combo, VK_DELETE);
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), -1);
    Key(combo, VK_ESCAPE);  // the cell's entry comes back
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 1);
    SendMessageA(combo, CB_SETCURSEL, 0, 0);
    Key(combo, VK_RETURN);
    EXPECT_EQ(g.TextMatrix(1, 3), "Accepted");
    EXPECT_EQ(g.Col(), 4);
    // A list without entries does not open.
    grid_.ClearCellCombo(3);
    g.SetCurrentCell(2, 3);
    Pump();
    SendMessageA(Grid(), WM_CHAR, VK_RETURN, 1);
    EXPECT_EQ(grid_.OpenEditorKind(), 0);
}

TEST_F(GridWindow, EditableDropDownLearnsTheCellAndCompletesAfterAPause) {
    FlexGrid& g = grid_.Grid();
    g.SetTextMatrix(1, 4, "  Sunday ");
    g.SetCurrentCell(1, 4);
    grid_.SetTypeCheckingTime(50);
    SendMessageA(Grid(), WM_CHAR, VK_RETURN, 1);
    ASSERT_EQ(grid_.OpenEditorKind(), EditorDropDownEdit);
    HWND combo = grid_.GetCellComboEdit(4);
    EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(WindowText(combo), "Sunday");
    EXPECT_EQ(grid_.GetComboEditText(), "Sunday");

    HWND edit = FindWindowExA(combo, nullptr, "Edit", nullptr);
    ASSERT_NE(edit, nullptr);
    SetWindowTextA(edit, "");
    Type(edit, "tu");
    EXPECT_EQ(WindowText(combo), "tu");  // nothing before the pause
    Pump(300);
    EXPECT_EQ(WindowText(combo), "Tuesday");
    DWORD from = 0, to = 0;
    SendMessageA(combo, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
    EXPECT_EQ(from, 2u);
    EXPECT_EQ(to, 7u);  // the last five letters
    Key(edit, VK_RETURN);
    EXPECT_EQ(g.TextMatrix(1, 4), "Tuesday");
    grid_.RemoveComboEditItem("Monday");  // the current column is 5 now: not a drop-down
    EXPECT_EQ(SendMessageA(combo, CB_GETCOUNT, 0, 0), 3);
}

TEST_F(GridWindow, LeavingACellFormatsItEvenUnedited) {
    FlexGrid& g = grid_.Grid();
    g.SetTextMatrix(2, 5, "3");
    g.SetCurrentCell(2, 5);
    Pump();
    Key(Grid(), VK_LEFT);
    EXPECT_EQ(g.TextMatrix(2, 5), "3.00");
    EXPECT_EQ(g.Col(), 4);
}

TEST_F(GridWindow, OwnerSeesEventsInOrderAndCanChangeKeys) {
    owner_.Events.clear();
    Key(Grid(), VK_DOWN);
    EXPECT_EQ(owner_.Events, (std::vector<std::string>{"LeaveCell", "EnterCell", "RowColChange"}));
    EXPECT_EQ(grid_.LastEnterRow(), 2);
    owner_.SwallowKeyDown = true;
    Key(Grid(), VK_DOWN);
    EXPECT_EQ(grid_.Grid().Row(), 2);
    owner_.ReplaceKeyAscii = 'X';
    Type(Grid(), "a");
    EXPECT_EQ(WindowText(grid_.GetCellTextBox(1)), "X");
    owner_.ReplaceKeyAscii = 0;
}

TEST_F(GridWindow, HeaderPressOffersTheOptionListOnlyFromASingleRow) {
    grid_.SetColComboOption("0,1,2,9");
    FlexGrid& g = grid_.Grid();
    g.SetTextMatrix(1, 2, "9");
    g.SetTextMatrix(2, 2, "");
    g.SetTextMatrix(3, 2, "10");
    g.SetTextMatrix(4, 2, "2");
    HWND list = grid_.GetColCombo();
    EXPECT_EQ(SendMessageA(list, CB_GETCOUNT, 0, 0), 4);
    Press(CellCentre(0, 2));
    ASSERT_TRUE(IsWindowVisible(list));
    EXPECT_EQ(SendMessageA(list, CB_GETCURSEL, 0, 0), -1);
    EXPECT_EQ(g.Col(), 2);
    // Over the header cell: 285 twips above the first data row.
    const RECT r = RectInControl(list);
    EXPECT_EQ(r.top, 0);
    SendMessageA(list, CB_SETCURSEL, 1, 0);  // "Generic Ascending"
    SendMessageA(grid_.Hwnd(), WM_COMMAND, MAKEWPARAM(kGridColComboId, CBN_SELENDOK), reinterpret_cast<LPARAM>(list));
    Pump();
    EXPECT_EQ(g.TextMatrix(1, 2), "2");
    EXPECT_EQ(g.TextMatrix(2, 2), "9");
    EXPECT_EQ(g.TextMatrix(3, 2), "10");
    EXPECT_EQ(g.TextMatrix(4, 2), "");  // the blank moved below the filled rows
    EXPECT_FALSE(IsWindowVisible(list));
    // Several rows selected: a header press shows no list.
    g.SetSelection(1, 1, 3, 1);
    Press(CellCentre(0, 3));
    EXPECT_FALSE(IsWindowVisible(list));
}

TEST_F(GridWindow, DraggingAHeaderBorderResizesOnlyWhenAllowed) {
    FlexGrid& g = grid_.Grid();
    const int before = g.ColWidth(1);
    const long border = grid_.Scale().ToPixelsX(g.ColPos(1) + before) - 1;
    auto drag = [&] {
        SendMessageA(Grid(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(border, 5));
        SendMessageA(Grid(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(border + 30, 5));
        SendMessageA(Grid(), WM_LBUTTONUP, 0, MAKELPARAM(border + 30, 5));
    };
    drag();
    EXPECT_EQ(g.ColWidth(1), before);
    g.Props().AllowUserResizing = 1;
    drag();
    EXPECT_NEAR(g.ColWidth(1), before + 30 * grid_.Scale().PerPixelX, 2 * grid_.Scale().PerPixelX);
}

TEST_F(GridWindow, ScrollingMovesTopRowKeepsTypingAndTellsTheOwner) {
    FlexGrid& g = grid_.Grid();
    g.SetRows(1000);
    grid_.SetGridSize();
    Pump();
    EXPECT_TRUE(GetWindowLongPtrA(Grid(), GWL_STYLE) & WS_VSCROLL);
    Type(Grid(), "k");
    owner_.Events.clear();
    SendMessageA(Grid(), WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_GT(g.TopRow(), 10);
    EXPECT_EQ(GetScrollPos(Grid(), SB_VERT), g.TopRow());
    EXPECT_EQ(owner_.Events, std::vector<std::string>{"Scroll"});
    EXPECT_EQ(grid_.OpenEditorKind(), 0);
    EXPECT_EQ(g.TextMatrix(1, 1), "k");
    SendMessageA(Grid(), WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(g.TopRow(), MaxTopRow(g, grid_.Scale().ToTwipsY([&] {
                  RECT c{};
                  GetClientRect(Grid(), &c);
                  return c.bottom;
              }())));
    // Keys bring the cell they move to back into view.
    g.SetCurrentCell(1, 1);
    Key(Grid(), VK_NEXT);
    EXPECT_GT(g.Row(), 10);
    EXPECT_EQ(g.TopRow(), g.Row());
}

TEST_F(GridWindow, GridSizeFollowsColumnsAndRows) {
    FlexGrid& g = grid_.Grid();
    // A control 4005 twips wide inside: three 1000-twip columns fit.
    MoveWindow(grid_.Hwnd(), 0, 0, 267 + 4, 300, TRUE);
    g.SetCols(3);
    for (long c = 0; c < 3; ++c) g.SetColWidth(c, 1000);
    g.SetRows(4);
    g.Props().ScrollBars = ScrollBoth;
    grid_.SetGridSize();
    Pump();
    RECT r{};
    GetWindowRect(Grid(), &r);
    EXPECT_EQ(r.right - r.left, 3300 / grid_.Scale().PerPixelX);
    EXPECT_EQ(g.Props().ScrollBars, ScrollBoth);  // neither needed: left as it was
    EXPECT_FALSE(GetWindowLongPtrA(Grid(), GWL_STYLE) & WS_HSCROLL);
    EXPECT_FALSE(GetWindowLongPtrA(Grid(), GWL_STYLE) & WS_VSCROLL);
    g.SetRows(200);
    grid_.SetGridSize();
    Pump();
    EXPECT_EQ(g.Props().ScrollBars, ScrollVertical);
    EXPECT_TRUE(GetWindowLongPtrA(Grid(), GWL_STYLE) & WS_VSCROLL);
    EXPECT_FALSE(GetWindowLongPtrA(Grid(), GWL_STYLE) & WS_HSCROLL);
    grid_.SetGridWidthByCaller(90000);
    Pump();
    EXPECT_EQ(g.Props().ScrollBars, ScrollBoth);
}

TEST_F(GridWindow, ClipboardCarriesTheSelectionsClipForm) {
    FlexGrid& g = grid_.Grid();
    g.SetSelection(1, 1, 2, 2);
    ASSERT_TRUE(grid_.CopyToClipboard());
    g.SetCurrentCell(5, 3);
    ASSERT_TRUE(grid_.PasteFromClipboard());
    EXPECT_EQ(g.TextMatrix(5, 3), "abc1");
    EXPECT_EQ(g.TextMatrix(5, 4), "5");
    EXPECT_EQ(g.TextMatrix(6, 3), "abc2");
    EXPECT_EQ(g.TextMatrix(6, 4), "5");
    EXPECT_EQ(g.TextMatrix(7, 3), "");
    // A grid that may not be edited takes no paste.
    g.SetCurrentCell(8, 1);
    grid_.Model().SetEditableRow(false);
    EXPECT_FALSE(grid_.PasteFromClipboard());
    EXPECT_EQ(g.TextMatrix(8, 1), "");
}

TEST_F(GridWindow, HighlightPaintsTheSelectionButNotTheCurrentCell) {
    FlexGrid& g = grid_.Grid();
    g.SetSelection(2, 1, 3, 2);
    grid_.Refresh();
    WindowDC screen(Grid());
    HDC dc = screen.Get();
    const POINT current = CellCentre(2, 1), selected = CellCentre(3, 2), plain = CellCentre(5, 2);
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT), window = GetSysColor(COLOR_WINDOW);
    // Sample the left edge of the cells (clear of their text).
    const int dx = -grid_.Scale().ToPixelsX(g.ColWidth(1)) / 2 + 2;
    EXPECT_EQ(GetPixel(dc, selected.x + dx, selected.y), highlight);
    EXPECT_EQ(GetPixel(dc, current.x + dx, current.y), window);
    EXPECT_EQ(GetPixel(dc, plain.x + dx, plain.y), window);
    g.Props().HighLight = HighLightNever;
    grid_.Refresh();
    EXPECT_EQ(GetPixel(dc, selected.x + dx, selected.y), window);
}

TEST_F(GridWindow, FindBoxSelectsTheNextCellHoldingTheText) {
    grid_.ShowFindBox();
    GridFindBox* box = grid_.FindBox();
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(box->Visible());
    EXPECT_EQ(WindowText(box->Hwnd()), "Find");
    SetDlgItemTextA(box->Hwnd(), kFindTextId, "BC3");
    SendMessageA(box->Hwnd(), WM_COMMAND, MAKEWPARAM(kFindNextId, BN_CLICKED), 0);
    EXPECT_EQ(grid_.Grid().Row(), 3);
    EXPECT_EQ(grid_.Grid().Col(), 1);
    CheckDlgButton(box->Hwnd(), kFindMatchCaseId, BST_CHECKED);
    EXPECT_FALSE(box->FindNext());
    EXPECT_EQ(WindowText(GetDlgItem(box->Hwnd(), kFindStatusId)), "Cannot find \"BC3\".");
    EXPECT_EQ(grid_.Grid().Row(), 3);
    SendMessageA(box->Hwnd(), WM_COMMAND, MAKEWPARAM(kFindCloseId, BN_CLICKED), 0);
    EXPECT_FALSE(box->Visible());
}

TEST_F(GridWindow, PropertiesRoundTripThroughASettingsSection) {
    FlexGrid& g = grid_.Grid();
    g.Props().GridColor = 0xC0C0C0;
    g.Props().BackColorSel = 0x00FF8000;
    g.Props().AllowUserResizing = 1;
    std::vector<SettingEntry> entries;
    SettingsPropertyBag bag(entries, "grdTest");
    grid_.WriteProperties(bag);
    std::string value;
    EXPECT_FALSE(bag.Read("GridColor", &value));  // the default is not written
    ASSERT_TRUE(bag.Read("AllowUserResizing", &value));
    EXPECT_EQ(value, "1");

    ctlEditGrid other;
    ASSERT_TRUE(other.Create(host_, 8, RECT{0, 0, 200, 100}));
    other.ReadProperties(bag);
    EXPECT_EQ(other.Grid().Props().BackColorSel, 0x00FF8000u);
    EXPECT_EQ(other.Grid().Props().AllowUserResizing, 1);
    EXPECT_EQ(other.Grid().Cols(), 6);
    // A new control without saved values: 2 rows, 2 columns, one fixed row, both bars.
    ctlEditGrid fresh;
    ASSERT_TRUE(fresh.Create(host_, 9, RECT{0, 0, 200, 100}));
    std::vector<SettingEntry> none;
    fresh.ReadProperties(SettingsPropertyBag(none, "grdFresh"));
    EXPECT_EQ(fresh.Grid().Rows(), 2);
    EXPECT_EQ(fresh.Grid().Cols(), 2);
    EXPECT_EQ(fresh.Grid().FixedRows(), 1);
    EXPECT_EQ(fresh.Grid().Props().ScrollBars, ScrollBoth);
}

TEST_F(GridWindow, ClickingACellMakesItCurrentAndClosesTheEditorWithCommit) {
    Type(Grid(), "n");
    Type(grid_.GetCellTextBox(1), "ewer");
    owner_.Events.clear();
    Press(CellCentre(3, 2));
    FlexGrid& g = grid_.Grid();
    EXPECT_EQ(g.TextMatrix(1, 1), "newer");
    EXPECT_EQ(g.Row(), 3);
    EXPECT_EQ(g.Col(), 2);
    EXPECT_EQ(grid_.OpenEditorKind(), 0);
    EXPECT_EQ(owner_.Events.front(), "LeaveCell");
    EXPECT_EQ(owner_.Events.back(), "Click");
    // A right press tells the owner and leaves the current cell.
    owner_.Events.clear();
    Press(CellCentre(5, 1), WM_RBUTTONDOWN, WM_RBUTTONUP);
    EXPECT_EQ(owner_.Events, std::vector<std::string>{"MouseDown2"});
    EXPECT_EQ(g.Row(), 3);
}

TEST_F(GridWindow, CustomSortAsksTheOwnerToCompareRows) {
    FlexGrid& g = grid_.Grid();
    g.SetTextMatrix(1, 1, "ccc");
    g.SetTextMatrix(2, 1, "a");
    g.SetTextMatrix(3, 1, "bb");
    g.SetRowData(2, 20);
    owner_.Sorted = &g;
    SelectColumn(grid_.Model(), 1);
    grid_.Sort(9);
    EXPECT_EQ(g.TextMatrix(1, 1), "a");
    EXPECT_EQ(g.RowData(1), 20);
    EXPECT_EQ(g.TextMatrix(2, 1), "bb");
    EXPECT_EQ(g.TextMatrix(3, 1), "ccc");
    // Blank key cells (sorted first by length) are packed below.
    EXPECT_EQ(g.TextMatrix(4, 1), "");
}

TEST_F(GridWindow, LeavingTheControlAsksValidateAndTheOwnerMayKeepTheFocus) {
    HWND other = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 380, 100, 20, host_, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    owner_.Events.clear();
    owner_.CancelValidate = true;
    SetFocus(other);
    Pump();
    EXPECT_EQ(owner_.Events, std::vector<std::string>{"Validate"});
    EXPECT_EQ(GetFocus(), Grid());
    owner_.CancelValidate = false;
    SetFocus(other);
    Pump();
    EXPECT_EQ(GetFocus(), other);
    // An editor of the control taking the focus is no leaving.
    SetFocus(Grid());
    owner_.Events.clear();
    Type(Grid(), "q");
    EXPECT_EQ(owner_.Events, std::vector<std::string>{});
}

TEST_F(GridWindow, EnterWrapsToTheNextRowOrStaysInTheLastRowWhenMovingDown) {
    FlexGrid& g = grid_.Grid();
    g.SetCurrentCell(1, 5);
    SendMessageA(Grid(), WM_CHAR, VK_RETURN, 1);
    Key(grid_.GetCellTextBox(5), VK_RETURN);
    EXPECT_EQ(g.Row(), 2);
    EXPECT_EQ(g.Col(), 1);
    EXPECT_EQ(grid_.OpenEditorKind(), EditorText);
    EXPECT_EQ(WindowText(grid_.GetCellTextBox(1)), "abc2");
    grid_.SetCellColMove(true);
    g.SetCurrentCell(g.Rows() - 1, 1);
    Pump();
    Type(Grid(), "z");
    Key(grid_.GetCellTextBox(1), VK_RETURN);
    EXPECT_EQ(g.Row(), g.Rows() - 1);  // the last row: Enter does nothing
    EXPECT_EQ(grid_.OpenEditorKind(), EditorText);
    EXPECT_EQ(g.TextMatrix(g.Rows() - 1, 1), "");
    // Page Down in a text field closes it without storing the typing.
    Key(grid_.GetCellTextBox(1), VK_NEXT);
    EXPECT_EQ(grid_.OpenEditorKind(), 0);
    EXPECT_EQ(g.TextMatrix(g.Rows() - 1, 1), "");
}

TEST_F(GridWindow, InfoBoxSitsWhereToldAndStaysWithinTheControl) {
    grid_.ShowInfo(300, 600, "Pick a date");
    HWND info = grid_.GetInfoBox();
    ASSERT_TRUE(IsWindowVisible(info));
    EXPECT_EQ(WindowText(info), "Pick a date");
    const RECT r = RectInControl(info);
    EXPECT_EQ(r.left, 20);  // 300 twips
    EXPECT_EQ(r.top, 40);   // 600 twips
    grid_.ShowInfo(0, 0, std::string(100000, 'w'));
    RECT client{};
    GetClientRect(grid_.Hwnd(), &client);
    EXPECT_LE(RectInControl(info).right, client.right);
    grid_.HideInfo();
    EXPECT_FALSE(IsWindowVisible(info));
}

TEST_F(GridWindow, ASecondDropDownForAColumnIsIgnoredAndAutoFitUsesRecordedWidths) {
    HWND before = grid_.GetCellCombo(3);
    grid_.SetCellCtl(3, EditorDropDownList);
    EXPECT_EQ(grid_.GetCellCombo(3), before);
    EXPECT_EQ(SendMessageA(before, CB_GETCOUNT, 0, 0), 2);
    // "Auto Column Fit" from the header list fits the pressed column to the
    // longest text AddRowDetail recorded (12 characters: 1200 twips), however
    // wide its caption or other texts are drawn.
    grid_.Model().AddRowDetail({"", "twelve chars", "", "", "", ""}, 5, 1, 6);
    grid_.Grid().SetTextMatrix(0, 1, "A caption far longer than the recorded text");
    grid_.SetColComboOption("0,9");
    Press(CellCentre(0, 1));
    HWND list = grid_.GetColCombo();
    ASSERT_TRUE(IsWindowVisible(list));
    SendMessageA(list, CB_SETCURSEL, 1, 0);
    SendMessageA(grid_.Hwnd(), WM_COMMAND, MAKEWPARAM(kGridColComboId, CBN_SELENDOK), reinterpret_cast<LPARAM>(list));
    EXPECT_EQ(grid_.Grid().ColWidth(1), 1200);
}

TEST_F(GridWindow, HugeTextsAndPastesKeepTheGridWhole) {
    FlexGrid& g = grid_.Grid();
    g.SetTextMatrix(2, 1, std::string(1000000, '8'));
    g.SetColAlignment(1, 9);  // general: a number, so measured for right alignment
    grid_.Refresh();
    std::string block;
    for (int i = 0; i < 5000; ++i) block += "a\tb\tc\td\te\tf\tg\r\n";
    ASSERT_TRUE(OpenClipboard(Grid()));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, block.size() + 1);
    memcpy(GlobalLock(memory), block.c_str(), block.size() + 1);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
    g.SetCurrentCell(10, 3);
    ASSERT_TRUE(grid_.PasteFromClipboard());
    EXPECT_EQ(g.Rows(), 12);  // the paste stays inside the grid
    EXPECT_EQ(g.TextMatrix(11, 5), "c");
    EXPECT_EQ(g.TextMatrix(9, 3), "");
    grid_.Refresh();
    EXPECT_TRUE(IsWindow(Grid()));
}

TEST_F(GridWindow, RowsAddedAfterSetupRefitTheGridTheWayTheOwnerLastAsked) {
    FlexGrid& g = grid_.Grid();
    RECT control{}, inner{};
    GetClientRect(grid_.Hwnd(), &control);
    GetWindowRect(Grid(), &inner);
    EXPECT_LT(inner.bottom - inner.top, control.bottom);  // 12 rows fit with room to spare
    for (long i = 1; i <= 60; ++i) grid_.Model().AddRowDetail({"", "row " + std::to_string(i)}, i, 1, 0);
    Pump();
    GetWindowRect(Grid(), &inner);
    EXPECT_EQ(inner.bottom - inner.top, control.bottom);  // now as high as the control, scrolling
    EXPECT_TRUE(GetWindowLongPtrA(Grid(), GWL_STYLE) & WS_VSCROLL);
    // A width the owner chose stays chosen when the table changes.
    grid_.SetGridWidthByCaller(3000);
    g.SetCols(8);
    Pump();
    GetWindowRect(Grid(), &inner);
    EXPECT_EQ(inner.right - inner.left, 3290 / grid_.Scale().PerPixelX);
}
