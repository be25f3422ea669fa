// Deleting records from the log tab: the questions asked, the status texts
// and the deletion of the file a row names.
#pragma once

#include <string>

class FlexGrid;

constexpr char kDeleteLogsTitle[] = "Delete all Logs";
constexpr char kDeleteAllQuestion[] = "Do you want to delete all logs?";
constexpr char kNoLogSelected[] = "No Log has been selected";
constexpr char kLogDeleted[] = "The log has been deleted";
constexpr char kLogNotDeleted[] = "The log cannot be deleted";

// "Do you want to delete the log in line <row> ?"
std::string DeleteLogQuestion(long row);

// True when the row's "Log File" cell holds text (there is a log to delete).
bool RowHasLog(const FlexGrid& grid, long row);

// Deletes the record file of the row from the log folder and answers the
// status text. A cell edited into something other than one record file name
// (a path, a device, another kind of file) deletes nothing.
std::string DeleteLogRow(const FlexGrid& grid, long row, const std::string& logFolder);

// DeleteLogRow for every row with a "Log File" text. Answers the status:
// "The log cannot be deleted" when any failed, empty when there was none.
std::string DeleteAllLogs(const FlexGrid& grid, const std::string& logFolder);
