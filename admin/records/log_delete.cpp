#include "admin/records/log_delete.h"

#include "admin/grid/grid_model.h"
#include "admin/records/log_files.h"
#include "admin/records/log_list.h"
#include "shared/file_operations.h"
#include "shared/file_routines.h"

std::string DeleteLogQuestion(long row) {
    return "Do you want to delete the log in line " + std::to_string(row) + " ?";
}

bool RowHasLog(const FlexGrid& grid, long row) { return row >= 1 && !grid.TextMatrix(row, kLogFileCol).empty(); }

std::string DeleteLogRow(const FlexGrid& grid, long row, const std::string& logFolder) {
    const std::string& name = grid.TextMatrix(row, kLogFileCol);
    if (!IsPlainFileName(name) || !IsLogFileName(name)) return kLogNotDeleted;
    const std::string path = JoinPath(logFolder, name);
    if (!FileExists(path)) return kLogNotDeleted;
    DeleteFileAt(path);
    return FileExists(path) ? kLogNotDeleted : kLogDeleted;
}

std::string DeleteAllLogs(const FlexGrid& grid, const std::string& logFolder) {
    std::string status;
    for (long r = 1; r < grid.Rows(); ++r) {
        if (!RowHasLog(grid, r)) continue;
        const std::string result = DeleteLogRow(grid, r, logFolder);
        if (status != kLogNotDeleted) status = result;
    }
    return status;
}
