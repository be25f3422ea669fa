// The editable grid's table: the inner flex grid (`FlexGrid`, the control's
// `ctlGrid`) and the `ctlEditGrid` model built on it (`EditGridModel`).
//
// Layout convention used by every operation of EditGridModel: row 0 is the
// header, column 0 the line number, data rows and columns start at 1.
// Sizes are twips (15 per pixel on a standard display); colours 0x00BBGGRR.
//
// Calls with a row or column outside the grid leave the table unchanged and
// answer a neutral value (empty text, 0, false, or Rows for "not found").
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// What changed, so the window can repaint just enough.
enum class GridChange {
    Cells,      // texts or cell attributes
    Layout,     // rows, columns, heights, widths, fixed counts
    Selection,  // current cell or selected range
    Scroll,     // TopRow or LeftCol
    Properties  // appearance or behaviour values
};
using GridChangeHandler = std::function<void(GridChange)>;

// A cell colour of this value means "the grid's ForeColor".
constexpr uint32_t kDefaultCellColor = 0xFFFFFFFFu;
constexpr int kStandardRowHeight = 285;  // twips
constexpr int kDefaultColWidth = 960;    // twips
constexpr long kGrowRows = 20;           // rows added when a write passes the end
constexpr long kMaxGridCols = 5000;      // a defined ceiling for garbage sizes
constexpr long kMaxGridRows = 2000000;

struct CellAttributes {
    uint32_t ForeColor = kDefaultCellColor;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeThrough = false;
};

struct GridCell {
    std::string Text;
    CellAttributes Attr;
};

// Normalised selected range (Top <= Bottom, Left <= Right).
struct GridRange {
    long Top = 0, Left = 0, Bottom = 0, Right = 0;
};

// Highlight modes, fill styles, scroll bar settings as the flex grid numbers them.
enum GridHighLight { HighLightNever = 0, HighLightAlways = 1, HighLightWithFocus = 2 };
enum GridFillStyle { FillSingle = 0, FillRepeat = 1 };
enum GridScrollBars { ScrollNone = 0, ScrollHorizontal = 1, ScrollVertical = 2, ScrollBoth = 3 };

// Appearance and behaviour values the grid carries for its owner (the
// property surface). Colours with the 0x80000000 bit are system colour
// indexes, resolved by the window (GetSysColor of the low byte).
struct GridProps {
    uint32_t ForeColor = 0x80000008;
    uint32_t BackColor = 0x8000000E;
    uint32_t ForeColorSel = 0x8000000E;
    uint32_t BackColorSel = 0x8000000D;
    uint32_t ForeColorFixed = 0x80000012;
    uint32_t BackColorFixed = 0x8000000F;
    uint32_t GridColor = 0xC0C0C0;
    uint32_t GridColorFixed = 0;
    int GridLines = 1;
    int GridLinesFixed = 2;
    int GridLineWidth = 1;
    int TextStyle = 0;
    int TextStyleFixed = 0;
    std::string FontName;  // empty: the ambient (owner's) font
    int FontSize = 0;      // points; 0 with the ambient font
    bool FontBold = false;
    bool FontItalic = false;
    int FontWidth = 0;
    int FocusRect = 1;
    int HighLight = HighLightAlways;
    int FillStyle = FillSingle;
    int MergeCells = 0;
    bool WordWrap = false;
    int Appearance = 1;
    int BorderStyle = 1;
    std::string FormatString;
    bool RightToLeft = false;
    bool Redraw = true;
    int Orientation = 0;
    int SelectionMode = 0;
    int AllowUserResizing = 0;  // 0 none, 1 columns, 2 rows, 3 both
    int ScrollBars = ScrollBoth;
    bool ScrollTrack = false;
    int MousePointer = 0;
    int OLEDropMode = 0;
    int PictureType = 0;
    int RowHeightMin = 0;
    bool Enabled = true;
    long WhatsThisHelpID = 0;
    std::string ToolTipText;
    bool CausesValidation = true;
};

// The inner flex grid: a table of text cells with fixed rows and columns,
// a current cell and a selected range, row/column data and geometry.
class FlexGrid {
public:
    FlexGrid();

    void SetChangeHandler(GridChangeHandler handler) { onChange_ = std::move(handler); }

    long Rows() const { return static_cast<long>(rows_.size()); }
    long Cols() const { return cols_; }
    void SetRows(long rows);  // new rows get DefaultRowHeight; clamps to 0..kMaxGridRows
    void SetCols(long cols);  // clamps to 0..kMaxGridCols
    long FixedRows() const { return fixedRows_; }
    long FixedCols() const { return fixedCols_; }
    void SetFixedRows(long n);
    void SetFixedCols(long n);

    bool ValidCell(long row, long col) const;
    bool ValidRow(long row) const { return row >= 0 && row < Rows(); }
    bool ValidCol(long col) const { return col >= 0 && col < cols_; }

    // Cell text; out of range reads empty text and writes nothing.
    const std::string& TextMatrix(long row, long col) const;
    void SetTextMatrix(long row, long col, const std::string& text);
    const std::string& TextArray(long index) const;  // row = index / Cols
    void SetTextArray(long index, const std::string& text);
    const std::string& Text() const { return TextMatrix(row_, col_); }
    // With FillStyle repeat the text goes to every selected cell.
    void SetText(const std::string& text);

    // Current cell and selection. Setting Row or Col also resets RowSel or
    // ColSel to it (the selection collapses to the current cell).
    long Row() const { return row_; }
    long Col() const { return col_; }
    long RowSel() const { return rowSel_; }
    long ColSel() const { return colSel_; }
    void SetRow(long row);
    void SetCol(long col);
    void SetRowSel(long row);
    void SetColSel(long col);
    // Row and Col together, selection collapsed, one notification.
    void SetCurrentCell(long row, long col);
    // Current cell and selection end at once, one notification.
    void SetSelection(long row, long col, long rowSel, long colSel);
    GridRange Selection() const;

    long TopRow() const { return topRow_; }
    long LeftCol() const { return leftCol_; }
    void SetTopRow(long row);
    void SetLeftCol(long col);

    // Selection text: cells joined by tab, rows by CR.
    std::string Clip() const;
    // Writes the text over the selected range starting at its top-left cell.
    // Rows end at CR, CR LF or LF; cells at tab. Text beyond the range is
    // dropped, range cells the text does not reach stay as they were.
    void SetClip(const std::string& text);

    long RowData(long row) const;
    void SetRowData(long row, long value);
    long ColData(long col) const;
    void SetColData(long col, long value);
    int RowHeight(long row) const;
    void SetRowHeight(long row, int twips);  // below 0 -> DefaultRowHeight
    int ColWidth(long col) const;
    void SetColWidth(long col, int twips);  // 0 hides; below 0 -> default width
    int ColAlignment(long col) const;
    void SetColAlignment(long col, int alignment);
    int FixedAlignment(long col) const;
    void SetFixedAlignment(long col, int alignment);
    bool MergeRow(long row) const;
    void SetMergeRow(long row, bool merge);
    bool MergeCol(long col) const;
    void SetMergeCol(long col, bool merge);
    int DefaultRowHeight() const { return defaultRowHeight_; }
    void SetDefaultRowHeight(int twips);

    // Cell geometry in twips from the grid's top-left corner, scrolled by
    // TopRow/LeftCol (fixed rows and columns stay put).
    long RowPos(long row) const;
    long ColPos(long col) const;
    long CellLeft() const { return ColPos(col_); }
    long CellTop() const { return RowPos(row_); }
    long CellWidth() const { return ColWidth(col_); }
    long CellHeight() const { return RowHeight(row_); }
    long TotalColWidth() const;  // all columns

    // Cell attributes; setters follow FillStyle (current cell or selection).
    const CellAttributes& CellAttr(long row, long col) const;
    void SetCellAttr(long row, long col, const CellAttributes& attr);
    uint32_t CellForeColor() const { return CellAttr(row_, col_).ForeColor; }
    bool CellFontBold() const { return CellAttr(row_, col_).Bold; }
    bool CellFontItalic() const { return CellAttr(row_, col_).Italic; }
    bool CellFontUnderline() const { return CellAttr(row_, col_).Underline; }
    bool CellFontStrikeThrough() const { return CellAttr(row_, col_).StrikeThrough; }
    void SetCellForeColor(uint32_t color);
    void SetCellFontBold(bool on);
    void SetCellFontItalic(bool on);
    void SetCellFontUnderline(bool on);
    void SetCellFontStrikeThrough(bool on);

    // Inserts a row of tab-separated cells at index (-1 or past the end: at
    // the bottom). Answers the row index, or -1 when nothing was inserted.
    long AddItem(const std::string& item, long index = -1);
    void RemoveItem(long index);
    // Empties every cell and its formatting; sizes stay.
    void Clear();
    // Rows first..first+n-1 take the contents (cells, row data) of the
    // given rows, a permutation of that same range; heights stay in place.
    void ArrangeRows(long first, const std::vector<long>& sourceRows);
    // Sorts the selected rows (data rows only) by the selected columns,
    // kinds 1..8 (generic, numeric, no case, string; ascending, descending).
    // Rows move whole: cells, attributes, row data and height. Stable.
    void Sort(int kind);

    GridProps& Props() { return props_; }
    const GridProps& Props() const { return props_; }
    void PropsChanged() { Notify(GridChange::Properties); }

    // Direct row access for fast readers (Grid2Str, painting).
    const std::vector<GridCell>& RowCells(long row) const;

private:
    struct GridRow {
        std::vector<GridCell> Cells;
        long Data = 0;
        int Height = kStandardRowHeight;
        bool Merge = false;
    };
    struct GridColumn {
        int Width = kDefaultColWidth;
        long Data = 0;
        int Alignment = 0;
        int FixedAlignment = 0;
        bool Merge = false;
    };
    void Notify(GridChange change) const;
    void ClampCursor();
    GridRow NewRow() const;
    template <class F>
    void ForFillCells(F f);

    std::vector<GridRow> rows_;
    std::vector<GridColumn> columns_;
    long cols_ = 0;
    long fixedRows_ = 1, fixedCols_ = 1;
    long row_ = 1, col_ = 1, rowSel_ = 1, colSel_ = 1;
    long topRow_ = 1, leftCol_ = 1;
    int defaultRowHeight_ = kStandardRowHeight;
    GridProps props_;
    GridChangeHandler onChange_;
};

// The in-cell editor kinds a column can have.
enum CellEditorKind : int16_t {
    EditorOff = -1,  // editing switched off for the column
    EditorNone = 0,
    EditorDropDownList = 1,  // pick one entry, no free text
    EditorSpin = 2,          // free text with up/down buttons
    EditorText = 3,          // free text, with in-cell arithmetic
    EditorDropDownEdit = 4   // free text with a learning list and completion
};

struct ColumnEditor {
    int16_t Kind = EditorNone;
    bool Enabled = false;
};

// `ctlEditGrid`'s model: the flex grid plus the control's own state and the
// row operations. The window (admin/grid/*_win32.cpp) hooks GridChange
// notifications for repaint and supplies HideCellEditor.
class EditGridModel {
public:
    EditGridModel();

    FlexGrid Grid;  // ctlGrid

    // Hooks the window supplies. HideCellEditor closes the open editor
    // without committing.
    std::function<void()> HideCellEditor;

    // --- text forms ---
    std::string Grid2Str(const std::string& sSaparator = "");
    void Str2Gird(const std::string& sText);
    void SetGridClip(const std::string& sText) { Grid.SetClip(sText); }
    std::string GetGridClip() const { return Grid.Clip(); }
    std::string CurrentRowStr();
    std::string RowToStr(long lRow, const std::string& iEndCol) const;
    void StrToRow(const std::string& sStr, long lLine);

    // --- lookups ---
    long GetSelRow(const std::string& sValue, long iCol) const;
    long Duplicate(const std::string& sText, long iCol, long lCurrLineNo) const;
    std::string GetHightLightValue() const;
    bool RowChanges() const;
    bool IsRowStrikeThrough() const;
    bool IsRowEmpty(long row) const;  // all data columns blank after trimming

    // --- row and table operations ---
    long AddItem(const std::string& Item, long Index = -1);
    void AddRowDetail(const std::vector<std::string>& sContents, long lRowKey, long iSetRowNum, long LineNo);
    void RemoveItemByName(const std::string& sItemName);
    void DeleteGridRows();
    void ClearRow(long iRow);
    void CopyRow(long lFrom, long lTo);
    long InsertOneLine(bool iKeepOldLine = false);  // answers the opened row
    void PackGrid();
    void GridClear();

    // --- line numbers ---
    long LastEditRow();
    long GetLastEditRow() const { return lastEditRow_ == 0 ? 1 : lastEditRow_; }
    void SetLastEditRow();
    void SetLineNumber(long lCurLine, long lLineNo);
    void SetLastLineNumber(long lLineNo);
    long RefreshItemNumber();
    void ResetLineNumber();

    // --- the one-row clipboard: codes -2..6 (see RowOperationCode) ---
    bool RowOperation(int iOperation);
    const std::string& RowClipText() const { return clipText_; }
    long RowClipSourceRow() const { return clipSourceRow_; }

    // --- row marking ---
    void SetRowStrikeThrough(long iFlag);
    void ToggleRowStrikeThrough();
    void SetEditableRow(bool iEditable) { editableRows_ = iEditable; }
    bool EditableRows() const { return editableRows_; }

    // --- set-up ---
    void Setup();
    void SetupColHeaders(const std::vector<std::string>& sGridColNames, const std::vector<std::string>& sColHeaders);
    void SetColFormat(const std::string& sInColFormat);
    void SetRowHeight(int Height = kStandardRowHeight, long iStart = 0);

    // --- per-column state (index 0..Cols) ---
    std::vector<ColumnEditor>& ColEditors() { return colEditors_; }
    const std::vector<ColumnEditor>& ColEditors() const { return colEditors_; }
    ColumnEditor EditorOf(long col) const;  // kind 0, disabled when out of range
    std::vector<uint16_t>& ColTextWidths() { return colTextWidths_; }
    const std::vector<uint16_t>& ColTextWidths() const { return colTextWidths_; }
    const std::vector<std::string>& ColFormats() const { return colFormats_; }
    std::string ColFormatOf(long col) const;  // empty when none

    long LastEditRowValue() const { return lastEditRow_; }
    void SetLastEditRowValue(long row) { lastEditRow_ = row; }

    // --- sizing (see grid_properties.h): control size in, grid size out ---
    long ControlWidth = 4800;   // inner width of the control, twips
    long ControlHeight = 3600;  // inner height of the control, twips
    long GridWidth = 0;         // the inner grid's size chosen by SetGridSize
    long GridHeight = 0;
    void SetGridSize();
    void SetGridWidthByCaller(long iWidth);

    // --- editing state used by grid_editing.h ---
    bool EnterMovesDown = false;  // SetCellColMove
    long LastEnterRow = 0;        // 16-bit values in the original surface
    long LastEnterCol = 0;
    int TypeCheckingTime = 0;  // ms; 0 = the short default

private:
    void GrowRows(long by);
    void AddBottomRow();
    void SelectWholeRow(long row);
    void HideEditor() {
        if (HideCellEditor) HideCellEditor();
    }

    long lastEditRow_ = 0;
    bool editableRows_ = true;
    std::string clipText_;
    long clipRowData_ = 0;
    long clipSourceRow_ = 0;
    std::vector<ColumnEditor> colEditors_;
    std::vector<uint16_t> colTextWidths_;
    std::vector<std::string> colFormats_;
};

// The one-row clipboard's operation codes.
enum RowOperationCode {
    RowClipEmpty = -2,
    RowClipQuery = -1,
    RowClipCut = 1,
    RowClipCopy = 4,
    RowClipPaste = 5,
    RowClipDelete = 6
};

// Blank after trimming spaces (tabs and line ends count as text).
bool IsBlankText(const std::string& text);
