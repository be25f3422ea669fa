// The log list (grdLog): its columns and colours, filling it from the log
// folder, and the rows the exports take from it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class EditGridModel;
class FlexGrid;

struct LogListColumn {
    const char* Header;
    int WidthPercent;  // of the window's inner width
};
constexpr LogListColumn kLogListColumns[] = {{"No", 20}, {"Log File", 50}, {"Last Update", 30}};
constexpr int kLogListColumnCount = 3;
constexpr int kLogTablePercent = 98;  // the table's width, of the window's inner width
constexpr uint32_t kLogHeaderBackColor = 0xC0FFC0;
constexpr uint32_t kLogHeaderForeColor = 0x800000;
constexpr long kLogFileCol = 1;
constexpr long kLastUpdateCol = 2;

// Three columns, the header row and one empty row, the header colours.
void SetupLogList(EditGridModel& list);
void SetLogHeaders(FlexGrid& grid);
// Column widths for the window's inner width (twips); answers the table's width.
long SetLogListWidths(FlexGrid& grid, long innerWidth);

// Writes one row per record file from row 1 on, adding 20 rows whenever the
// row count is not greater than the row about to be written. The list is
// not cleared first. Answers the number of rows written.
long ListLogs(EditGridModel& list, const std::string& logFolder);
// Clears the list, sets the headers and lists the logs (entering the tab,
// "Refresh" and after the deletes).
long RefreshLogList(EditGridModel& list, const std::string& logFolder);

// The rows the exports take: from row 1 up to the first row whose "Log
// File" cell is empty, the texts of columns 1 to the last.
struct LogTable {
    std::vector<std::string> Header;  // the header texts of those columns
    std::vector<std::vector<std::string>> Rows;
};
LogTable ListedLogs(const FlexGrid& grid);
