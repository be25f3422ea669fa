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
    return ExportTable(table, titleAnsi, outputFolder + kComplianceWorkbookName, outputFolder + kComplianceCsvName,
                       convert, "The compliance view has been exported to");
}
