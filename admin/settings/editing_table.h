// The look and the rules the console's two editing tables share (the dates
// table and the settings table): a line-number column and two data columns
// under a coloured header, sized from the window's inner width, showing a
// value's first item unless its key holds free text.
#pragma once

#include <cstdint>
#include <string>

#include "admin/grid/grid_model.h"

constexpr uint32_t kTableHeaderBackColor = 0xC0FFC0;  // 0x00BBGGRR
constexpr uint32_t kTableHeaderForeColor = 0x800000;
constexpr long kEditingTableCols = 3;  // line number and two data columns

// Twips. The table takes 98 % of the window's inner width, the two data
// columns 58 % and 30 %, the line-number column 5 % (left blank).
struct EditingTableWidths {
    long Table = 0;
    long LineNumber = 0;
    long First = 0;
    long Second = 0;
};
EditingTableWidths EditingTableWidthsFor(long innerWidth);

// Once, when the window opens: three columns, a header and one empty row,
// the two header texts and the header colours.
void SetupEditingTable(EditGridModel& table, const std::string& firstHeader, const std::string& secondHeader);
// Sets the column widths from the window's inner width (twips) and answers
// them all, so the window sizes the control to .Table.
EditingTableWidths SizeEditingTable(EditGridModel& table, long innerWidth);

// The first data column's width in a table whose cells have roomTwips (its
// width less a vertical scroll bar): its share, or what the line numbers and
// the second column leave when that is less, so that no column is cut off
// and choosing a value never scrolls its key out of sight.
long FirstColumnWidthIn(const EditingTableWidths& widths, long roomTwips);

// Keys whose values are free text that may hold commas: the last 7
// characters are "Message" or "Caption", or the last 3 "Msg" (exact case).
bool IsTextKey(const std::string& key);
// What a table shows of an entry: the whole value for a text key, else the
// text before the first comma.
std::string ShownValue(const std::string& key, const std::string& value);

// Makes the table at least `rows` rows long (new rows at the standard height).
void EnsureTableRows(EditGridModel& table, long rows);

// The status text of a save that failed: it names the file.
std::string SaveFailureText(const std::string& path);
