// The compliance view's export: the rows shown, in the workbook and CSV forms
// of the records tab's export, as "Compliance.xlsx" and "Compliance.csv".
#pragma once

#include <string>

#include "admin/records/log_list.h"
#include "admin/records/output_status.h"
#include "admin/records/workbook_writer.h"

class FlexGrid;

constexpr char kComplianceWorkbookName[] = "Compliance.xlsx";
constexpr char kComplianceCsvName[] = "Compliance.csv";

// The grid's rows from row 1 up to the first one without a user, columns 1 on.
LogTable ListedCompliance(const FlexGrid& grid);

// Writes both files whole into the output folder (which ends in a separator).
OutputStatus ExportCompliance(const LogTable& table, const std::string& titleAnsi, const std::string& outputFolder,
                              AnsiToUtf8 convert);
