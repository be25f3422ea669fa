#include "admin/compliance/compliance_export.h"

#include "admin/grid/grid_model.h"

LogTable ListedCompliance(const FlexGrid& grid) {
    LogTable table;
    for (long c = 1; c < grid.Cols(); ++c) table.Header.push_back(grid.TextMatrix(0, c));
    for (long r = 1; r < grid.Rows() && !grid.TextMatrix(r, 1).empty(); ++r) {
        std::vector<std::string> row;
        for (long c = 1; c < grid.Cols(); ++c) row.push_back(grid.TextMatrix(r, c));
        table.Rows.push_back(std::move(row));
    }
    return table;
}

OutputStatus ExportCompliance(const LogTable& table, const std::string& titleAnsi, const std::string& outputFolder,
                              AnsiToUtf8 convert) {
    const std::string workbookPath = outputFolder + kComplianceWorkbookName;
    const std::string csvPath = outputFolder + kComplianceCsvName;
    const std::string workbook = WorkbookBytes(table, titleAnsi, convert);
    if (workbook.empty()) return WriteFailure("The workbook", workbookPath, "too large for one workbook file");
    OutputStatus written = WriteWhole("The workbook", workbookPath, workbook, "");
    if (!written.Written) return written;
    written = WriteWhole("The CSV file", csvPath, CsvBytes(table, convert), "");
    if (!written.Written) return written;
    return OutputStatus{true, "The compliance view has been exported to " + workbookPath + " and " + csvPath};
}
