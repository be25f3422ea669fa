#include "admin/records/log_list.h"

#include "admin/grid/grid_model.h"
#include "admin/records/log_files.h"
#include "shared/file_operations.h"
#include "shared/file_routines.h"

void SetupLogList(EditGridModel& list) {
    FlexGrid& grid = list.Grid;
    grid.SetCols(kLogListColumnCount);
    grid.SetRows(2);
    grid.SetFixedRows(1);
    grid.SetFixedCols(1);
    list.Setup();
    SetLogHeaders(grid);
    grid.Props().BackColorFixed = kLogHeaderBackColor;
    grid.Props().ForeColorFixed = kLogHeaderForeColor;
    grid.PropsChanged();
}

void SetLogHeaders(FlexGrid& grid) {
    for (long c = 0; c < kLogListColumnCount; ++c) grid.SetTextMatrix(0, c, kLogListColumns[c].Header);
}

long SetLogListWidths(FlexGrid& grid, long innerWidth) {
    for (long c = 0; c < kLogListColumnCount; ++c)
        grid.SetColWidth(c, static_cast<int>(innerWidth * kLogListColumns[c].WidthPercent / 100));
    return innerWidth * kLogTablePercent / 100;
}

long ListLogs(EditGridModel& list, const std::string& logFolder) {
    FlexGrid& grid = list.Grid;
    long r = 1;
    for (const std::string& name : LogFileNames(logFolder)) {
        if (grid.Rows() <= r) {
            if (grid.Rows() + kGrowRows > kMaxGridRows) break;
            grid.SetRows(grid.Rows() + kGrowRows);
        }
        grid.SetTextMatrix(r, 0, std::to_string(r));
        grid.SetTextMatrix(r, kLogFileCol, name);
        grid.SetTextMatrix(r, kLastUpdateCol, FileModifiedDate(JoinPath(logFolder, name), 4));
        ++r;
    }
    return r - 1;
}

long RefreshLogList(EditGridModel& list, const std::string& logFolder) {
    list.GridClear();
    SetLogHeaders(list.Grid);
    return ListLogs(list, logFolder);
}

LogTable ListedLogs(const FlexGrid& grid) {
    LogTable table;
    for (long c = 1; c < grid.Cols(); ++c) table.Header.push_back(grid.TextMatrix(0, c));
    for (long r = 1; r < grid.Rows() && !grid.TextMatrix(r, kLogFileCol).empty(); ++r) {
        std::vector<std::string> row;
        row.reserve(table.Header.size());
        for (long c = 1; c < grid.Cols(); ++c) row.push_back(grid.TextMatrix(r, c));
        table.Rows.push_back(std::move(row));
    }
    return table;
}
