// The header option list and the owner-called helpers: sorting, column
// fitting, column totals, selection, colours and row styles, and finding.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "admin/grid/grid_model.h"

// Header option codes 0..11 (11 has no entry).
enum HeaderOptionCode {
    OptionSortNone = 0,
    OptionGenericAscending = 1,
    OptionGenericDescending = 2,
    OptionNumericAscending = 3,
    OptionNumericDescending = 4,
    OptionNoCaseAscending = 5,
    OptionNoCaseDescending = 6,
    OptionStringAscending = 7,
    OptionStringDescending = 8,
    OptionAutoColumnFit = 9,
    OptionFind = 10,
    OptionNone = 11
};
struct HeaderOption {
    std::string Caption;
    int Code = 0;  // the entry's item data
};
// The caption of a code, empty for codes without an entry.
std::string HeaderOptionCaption(int code);
// SetColComboOption: the entries to append for the option text (a code is
// offered when its decimal text occurs anywhere in sOption).
std::vector<HeaderOption> ColComboOptions(const std::string& sOption);
// Whether a press shows the list: single-row selection, mouse on the header
// row, at least one entry.
bool ShouldShowHeaderOptions(const EditGridModel& grid, long mouseRow, long entryCount);

enum class HeaderOptionAction { None, Sort, AutoColFit, Find };
// Choosing the entry at list position `position` with item data `code`.
// Position 0 is never acted upon.
HeaderOptionAction ChooseHeaderOption(long position, int code);
// Applies a chosen option (closes the editor first; Find answers Find for
// the window to open its find box).
HeaderOptionAction RunHeaderOption(EditGridModel& grid, long position, int code);

// Selects the whole column below the header (rows 1..Rows-1): what a press
// on a header cell does before the list is shown.
void SelectColumn(EditGridModel& grid, long col);

// Sorts the selected rows by kind 1..8, then PackGrid. Other kinds: nothing.
void Sort(EditGridModel& grid, int SortID);

// The seam for measuring text (twips) that the window supplies.
using TextMeasure = std::function<long(const std::string& text)>;
constexpr int kMaxColWidth = 32767;  // where the 16-bit width ends
// Columns Col to ColSel (none when ColSel lies left of Col): the longest
// text AddRowDetail recorded x 100 twips (capped); a column that never
// received a text is hidden (width 0). Nothing is measured.
void AutoColFit(EditGridModel& grid);
// Not a header option: the selected columns (either direction) are widened or
// narrowed to their widest cell text as measured, header included, plus a
// margin; a column without any text keeps its width.
void FitColumnsToText(EditGridModel& grid, const TextMeasure& measure);
double ColTotal(const EditGridModel& grid, long iCol);

void SelectOneRow(EditGridModel& grid);
void SelectGridAll(EditGridModel& grid);
void SelectGridNone(EditGridModel& grid);

void SetCellForeColor(EditGridModel& grid, long lRow, long lCol, uint32_t lColor);
void SetRowForeColor(EditGridModel& grid, long lRow, uint32_t lColor);
void SetRowStyle(EditGridModel& grid, long iRow, const std::string& strStyle, long iSet);

// Find: the next cell after the current one (left to right, then down,
// wrapping to the top; data cells only, hidden columns skipped) whose text
// contains `text`. It becomes the current cell and is scrolled into view.
// False (and nothing moves) when there is none or the text is empty.
bool FindNext(EditGridModel& grid, const std::string& text, bool matchCase = false);
