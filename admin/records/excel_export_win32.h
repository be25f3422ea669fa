// The running or a new spreadsheet application ("Excel.Application"),
// driven by late-bound automation. Nothing here is loaded until called.
#pragma once

#include <string>
#include <vector>

// True when "Excel.Sheet\CurVer" under HKEY_CLASSES_ROOT has a non-empty
// default value.
bool IsExcelInstalled();

// Copies the rows into a new worksheet of a running or new spreadsheet
// application, named title, cell by cell from row 1 and column A (widths:
// A 40, B 20); the application is made visible. A step the application
// refuses is skipped and the export goes on. False when the application
// cannot be started at all (the caller then writes a workbook file).
bool ExportGridToExcel(const std::vector<std::vector<std::string>>& rows, const std::string& title);
