// The log list as an Office Open XML workbook (.xlsx) and as CSV, for
// administrators without a spreadsheet application: one sheet named after
// the title, a header row, the rows; UTF-8 throughout.
#pragma once

#include <string>

#include "admin/records/ansi_utf8.h"
#include "admin/records/log_list.h"
#include "admin/records/output_status.h"

// Text for an XML element or attribute: & < > " escaped. Characters XML
// cannot carry (control characters other than tab, LF and CR) are written
// in the spreadsheet form _xHHHH_, and so is the "_" of a text that already
// reads like that form, so a reader gives back the text as it was.
std::string XmlText(const std::string& utf8);
// A sheet name from a title: at most 31 characters (the end of the title is
// kept: the folder's last part and the program title), none of : \ / ? * [ ]
// (each becomes "_"), not starting or ending with "'"; "Sheet1" when
// nothing is left.
std::string SheetName(const std::string& titleUtf8);
// 0 -> "A", 25 -> "Z", 26 -> "AA".
std::string ColumnName(long index);

// Column widths in the application's character units: A 40, B 20.
constexpr double kWorkbookColumnWidths[] = {40, 20};

std::string WorkbookBytes(const LogTable& table, const std::string& titleAnsi, AnsiToUtf8 convert);
// RFC 4180: fields holding "," a quote, CR or LF are quoted (quotes
// doubled); records end in CR LF; UTF-8 with a byte-order mark.
std::string CsvBytes(const LogTable& table, AnsiToUtf8 convert);

// Writes the table as a workbook and as CSV, each whole; the status names
// both files after doneText, or the one that failed and why.
OutputStatus ExportTable(const LogTable& table, const std::string& titleAnsi, const std::string& workbookPath,
                         const std::string& csvPath, AnsiToUtf8 convert, const std::string& doneText);

// Writes "TessarinLog.xlsx" and "TessarinLog.csv" into the output folder,
// each whole. The status names both files, or the one that failed and why.
OutputStatus ExportWorkbook(const LogTable& table, const std::string& titleAnsi, const std::string& outputFolder,
                            AnsiToUtf8 convert);
